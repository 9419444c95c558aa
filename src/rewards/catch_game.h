// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rewards/catch_game_state.h"
#include "rewards/catch_marks.h"

#include <QChar>
#include <QList>
#include <QString>

#include <optional>

class RandomSource;

enum class CatchMove { Left, Up, Down, Right };

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

    // A fresh game on an empty field: cursor in the middle, digit i parked on cell (i + 3, i + 3).
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

    // What the prints of this game have left on a cell of the field.
    CellLook look(int column, int row) const { return m_marks.look(column, row, m_state.DigitsToCatch); }
    // The move that brings the cursor one cell nearer to a cell of the field (the
    // longer way first); none once it stands there.
    std::optional<CatchMove> stepToward(int column, int row) const;

    // For a screen reader: where the next digit stands from the cursor, in steps, once it is shown.
    QString spokenField() const;
    QString spokenNextDigit() const;
    static QString spokenSpeed(int seconds);

private:
    void printDigits(QList<CellPrint> &prints, Ink ink) const;
    void catchStep(CatchTurn &turn);

    CatchGameState &m_state;
    RandomSource &m_random;
    CatchMarks m_marks;
};
