// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The catching game's positions, shared between the window that starts a game
// and the game itself. Slot 0 and slots 11 to 20 exist but stay unused.
struct CatchGameState {
    static constexpr int slotCount = 21;

    qint16 CursorColumn = 0;
    qint16 CursorRow = 0;
    // Slot i holds the cell of character i (counted from 1) of DigitsToCatch.
    std::array<qint16, slotCount> DigitColumns{};
    std::array<qint16, slotCount> DigitRows{};
    // The digits still to catch, in catching order.
    QString DigitsToCatch;
};
