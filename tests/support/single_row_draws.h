// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/scripted_random.h"

#include <QList>

// Draws that make the next one-row task d1 d2 d3 d4 * m.
inline QList<double> singleRowDraws(int d1, int d2, int d3, int d4, int m)
{
    return {ScriptedRandom::forDigit(d1, 1, 9), ScriptedRandom::forDigit(d2, 0, 10),
            ScriptedRandom::forDigit(d3, 0, 10), ScriptedRandom::forDigit(d4, 1, 9),
            ScriptedRandom::forDigit(m, 2, 8)};
}
// The draw that picks gap pattern k.
inline double gapPatternDraw(int k)
{
    return ScriptedRandom::forDigit(k, 1, 4);
}
