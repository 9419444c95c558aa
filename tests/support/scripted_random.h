// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/random_source.h"

#include <QList>
#include <QtTest/QTest>

// Answers draws from a script; re-seeds are counted and leave the script alone.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(QList<double> values) : m_values(std::move(values)) {}

    void append(std::initializer_list<double> values) { m_values.append(values); }
    void append(const QList<double> &values) { m_values.append(values); }

    double next() override
    {
        if (m_values.isEmpty()) {
            ++m_exhausted;
            return 0.0;
        }
        ++m_drawn;
        return m_values.takeFirst();
    }
    void reseed(double) override { ++m_reseeds; }

    int remaining() const { return int(m_values.size()); }
    int drawn() const { return m_drawn; }
    int reseeds() const { return m_reseeds; }
    // Draws asked for after the script ran out (a test that wanted exact draws failed).
    int exhausted() const { return m_exhausted; }

    // r that makes int(n * r) + offset give `value` (a draw in the middle of its slot).
    static double forDigit(int value, int offset, int n) { return (value - offset + 0.5) / n; }

private:
    QList<double> m_values;
    int m_drawn = 0;
    int m_reseeds = 0;
    int m_exhausted = 0;
};
