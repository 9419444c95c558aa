// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class RandomSource;

// A four-digit number times one digit; the tens and hundreds kinds append
// the multiplier's zeros, which do not change the drawn digits.
struct SingleRowTask {
    int d1 = 1; // thousands, never 0
    int d2 = 0; // hundreds
    int d3 = 0; // tens
    int d4 = 1; // ones, never 0
    int m = 2;  // multiplier digit, never 0 or 1

    int multiplicand() const { return 1000 * d1 + 100 * d2 + 10 * d3 + d4; }
    int product() const { return multiplicand() * m; }

    // Draws thousands, hundreds, tens, ones, multiplier in this order.
    static SingleRowTask draw(RandomSource &random);
};

// The expected numbers of a task as texts, right-aligned in seven columns;
// expected digits are read from them by character position (1 to 7).
struct SingleRowAnswerKey {
    QStringList listA; // M, m, 100·P
    QStringList listB; // P, 10·P, 100·P

    static SingleRowAnswerKey forTask(const SingleRowTask &task);
    // Character at position 1..7 of an entry, as a one-character text.
    static QString character(const QString &entry, int position);
};

// The decimal number padded on the left with blanks to seven characters.
QString sevenColumns(long long value);
// The digit carried out of a column: "0" below 10, otherwise the tens digit.
QString carryText(int columnSum);
