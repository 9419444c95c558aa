// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

// "gemischt" takes turns: every second task with, every other one without.
enum class CarryChoice { With, Without, Mixed };
// Zeros inside the first factor (never at its ends, where the trainers have none either).
enum class ZeroChoice { With, Without, Mixed };
enum class GapChoice { None, EverySecond, All };

// What the teacher chose for a squared-paper sheet; held until the program ends.
struct KaroblattOptions {
    static constexpr int fewestTasks = 1;
    static constexpr int mostTasks = 30;
    static constexpr int fewestFirstFactorDigits = 2;
    static constexpr int mostFirstFactorDigits = 4;

    int taskCount = 12;
    // One-row sheets: "mal E", "mal Z", "mal H", the multiplier followed by 0, 1 or 2 zeros.
    std::array<bool, 3> kinds{true, true, true};
    bool staircase = false; // multi-row sheets
    int firstFactorDigits = mostFirstFactorDigits;
    CarryChoice carries = CarryChoice::Mixed;
    ZeroChoice zeros = ZeroChoice::Mixed;
    GapChoice gaps = GapChoice::None;
    QString ownTasks; // as typed, e.g. "4711 · 6; 305 · 7"

    bool operator==(const KaroblattOptions &) const = default;

    // Whether the drawn tasks of the one serve the other: the layout, the
    // gaps and the own tasks change the sheet, not the draw.
    bool drawsAlike(const KaroblattOptions &other) const
    {
        return taskCount == other.taskCount && kinds == other.kinds
            && firstFactorDigits == other.firstFactorDigits && carries == other.carries
            && zeros == other.zeros;
    }
};
