// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rewards/catch_game_state.h"

#include <QChar>
#include <QList>
#include <QString>

class RandomSource;

enum class CatchMove { Left, Up, Down, Right };

// Print in the drawing colour, or in the background colour, which wipes an earlier print.
enum class Ink { Draw, Erase };

// One character printed into a cell of the play field.
struct CellPrint {
    QChar character;
    int column = 0;
    int row = 0;
    Ink ink = Ink::Draw;

    friend bool operator==(const CellPrint &, const CellPrint &) = default;
};

// What one move or one tick did: the prints to replay on the field, in order.
struct CatchTurn {
    QList<CellPrint> prints;
    bool caught = false;
    // The last digit was caught in this turn; reported once per game.
    bool won = false;
};

// The rules of the number-catching game. The digits 0 to 9 jump to random cells;
// the pupil steers the "+" onto them and has to catch them in ascending order.
class CatchGame {
public:
    static constexpr int firstColumn = 1;
    static constexpr int lastColumn = 24;
    static constexpr int firstRow = 3;
    static constexpr int lastRow = 16;
    static constexpr int digitCount = 10;
    static constexpr qint16 startColumn = 14;
    static constexpr qint16 startRow = 9;
    static constexpr QChar cursorMark = QLatin1Char('+');

    static QString allDigits() { return QStringLiteral("0123456789"); }

    CatchGame(CatchGameState &state, RandomSource &random);

    // A fresh game: cursor in the middle, digit i parked on cell (i + 3, i + 3).
    void start();
    // Wipes the cursor, moves it one cell (kept inside the field) and looks for a catch.
    CatchTurn move(CatchMove direction);
    // Wipes the remaining digits, scatters them anew and looks for a catch.
    CatchTurn tick();

    // Puts each remaining digit on a random cell, no two sharing a column or a row,
    // and prints it there.
    QList<CellPrint> scatterDigits();

    bool isOver() const { return m_state.DigitsToCatch.isEmpty(); }
    // The digit to catch next; empty once all are caught.
    QString nextDigit() const { return m_state.DigitsToCatch.left(1); }

private:
    void printDigits(QList<CellPrint> &prints, Ink ink) const;
    void catchStep(CatchTurn &turn);

    CatchGameState &m_state;
    RandomSource &m_random;
};
