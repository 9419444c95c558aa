// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "worksheet/written_multiplication.h"

#include <QList>
#include <array>

class RandomSource;

// A four-digit number times a two- or three-digit number: one partial product
// per multiplier digit, each at the place of its digit, and their sum. Written
// on multiplier digits + 5 columns counted from the right: the task row
// (multiplicand, dot, multiplier), the partial products with their place
// zeros, highest place first, and the sum.
struct MultiRowTask {
    std::array<int, 4> multiplicandDigits{5, 0, 0, 1}; // thousands 5-9, ones 1-4
    QList<int> multiplierDigits{2, 2};                 // highest place first, each 2-9

    // The calculation as written: every digit below comes from it.
    WrittenMultiplication written() const;
    int multiplicand() const;
    int multiplier() const;
    qint64 product() const { return qint64(multiplicand()) * multiplier(); }
    // The partial product of multiplier digit `index` (0 = highest place), with
    // the zeros of its place: M · digit · 10^place.
    qint64 partialProduct(int index) const;
    // The digit written at a place of the finished calculation, -1 where none is.
    int digit(int row, int column) const;

    // Draws the multiplicand's thousands, hundreds, tens and ones, then the
    // multiplier digits from the highest place down, one draw each.
    static MultiRowTask draw(int multiplierDigitCount, RandomSource &random);
};
