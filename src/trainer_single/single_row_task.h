// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "worksheet/written_multiplication.h"

class RandomSource;

// A four-digit number times one digit, written as in the exercise book on
// eight columns counted from the right: the task row (multiplicand, dot,
// multiplier and the two zeros a tens or hundreds multiplier may have), the
// carries under the multiplicand, and the result row with 100·P, whose two
// zeros stand under the multiplier's zeros. The kind of multiplier does not
// change the drawn digits.
struct SingleRowTask {
    int d1 = 1; // thousands, never 0
    int d2 = 0; // hundreds
    int d3 = 0; // tens
    int d4 = 1; // ones, never 0
    int m = 2;  // multiplier digit, never 0 or 1

    static constexpr int columns = 8;
    enum Row { TaskRow, CarryRow, ResultRow };

    int multiplicand() const { return 1000 * d1 + 100 * d2 + 10 * d3 + d4; }
    int product() const { return multiplicand() * m; }
    // The calculation as written, with the zeros of a hundreds number.
    WrittenMultiplication written() const { return written(2); }
    // The calculation with a multiplier of `zeros` zeros after its digit.
    WrittenMultiplication written(int zeros) const;
    // The digit written at a place of the finished calculation, -1 where none is.
    int digit(int row, int column) const;

    // Draws thousands, hundreds, tens, ones, multiplier in this order.
    static SingleRowTask draw(RandomSource &random);
    // The digit carried out of a column whose products and carry add up to `sum`.
    static int carryOf(int sum) { return sum / 10 % 10; }
};
