// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/scripted_random.h"

#include <QList>

// Draws that make the next multi-row task `multiplicand` (5001-9994) times the
// given multiplier digits (each 2-9).
inline QList<double> multiRowDraws(int multiplicand, const QList<int> &multiplierDigits)
{
    QList<double> draws{ScriptedRandom::forDigit(multiplicand / 1000, 5, 5),
                        ScriptedRandom::forDigit(multiplicand / 100 % 10, 0, 10),
                        ScriptedRandom::forDigit(multiplicand / 10 % 10, 0, 10),
                        ScriptedRandom::forDigit(multiplicand % 10, 1, 4)};
    for (int digit : multiplierDigits)
        draws.append(ScriptedRandom::forDigit(digit, 2, 8));
    return draws;
}
