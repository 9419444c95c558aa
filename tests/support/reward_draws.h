// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rewards/catch_game.h"
#include "rewards/memory_game.h"
#include "support/scripted_random.h"

#include <QList>
#include <QPoint>

// Draws that make the catching game scatter its digits onto these cells, in order.
inline QList<double> catchDraws(const QList<QPoint> &cells)
{
    QList<double> draws;
    for (const QPoint &cell : cells)
        draws << ScriptedRandom::forDigit(cell.x(), CatchGame::firstColumn,
                                          CatchGame::lastColumn - CatchGame::firstColumn + 1)
              << ScriptedRandom::forDigit(cell.y(), CatchGame::firstRow, CatchGame::lastRow - CatchGame::firstRow + 1);
    return draws;
}

// Draws that make the memory deal pick these slots (1 to 18) in turn.
inline QList<double> memorySlotDraws(const QList<int> &picks)
{
    QList<double> draws;
    for (int slot : picks)
        draws.append(ScriptedRandom::forDigit(slot, 1, MemoryGame::cardCount));
    return draws;
}

// A memory deal that gives card k the value (k + 1) / 2: the pairs are (1, 2), (3, 4), … (17, 18).
inline QList<double> orderedMemoryDeal()
{
    QList<int> picks;
    for (int slot = 1; slot <= MemoryGame::cardCount; ++slot)
        picks.append(slot);
    return memorySlotDraws(picks);
}
