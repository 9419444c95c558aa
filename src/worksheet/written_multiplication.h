// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QtGlobal>

// A multiplication as a German exercise book writes it: the task row
// "multiplicand · multiplier", one product row per multiplier digit (the
// highest place first, each ending under its digit), and under a rule the sum
// of the rows. Zeros at the end of the multiplier are brought down instead of
// multiplied: 1234 · 30 is one row, 3702 followed by the zero. Columns are
// counted from the right: column 1 holds the ones of the product. Every digit
// a trainer checks and a sheet prints comes from here.
class WrittenMultiplication {
public:
    WrittenMultiplication() = default;
    // Both factors as digits, highest place first; each digit 0 to 9.
    WrittenMultiplication(QList<int> multiplicand, QList<int> multiplier);

    const QList<int> &multiplicandDigits() const { return m_multiplicand; }
    const QList<int> &multiplierDigits() const { return m_multiplier; }
    qint64 multiplicand() const;
    qint64 multiplier() const;
    qint64 product() const { return multiplicand() * multiplier(); }

    // The digit of a factor at a place (0 the ones), -1 beyond its highest digit.
    int multiplicandDigit(int place) const;
    int multiplierDigit(int place) const;

    // The multiplier's zeros at its end, which are brought down.
    int broughtDownZeros() const;
    // One product row per multiplier digit left of the brought-down zeros,
    // highest place first; more than one row are added up.
    int productRows() const;
    bool hasSum() const { return productRows() > 1; }
    // The multiplier digit a row multiplies by, and that digit's place.
    int rowDigit(int row) const;
    int rowPlace(int row) const;
    // The multiplicand times the row's digit, without the zeros of its place.
    qint64 rowValue(int row) const;
    // The same with the zeros of its place: what the row adds to the sum.
    qint64 partialProduct(int row) const;
    // The digit a row writes at a column, its place's zeros included (the
    // flush layout); -1 left of its highest digit.
    int partialProductDigit(int row, int column) const;
    // The carry added to the multiplicand digit of `place` (0 its ones) while
    // the row is multiplied: what the places below leave over. At places
    // beyond the multiplicand's highest digit the carry is written down as
    // it is.
    int carryInto(int row, int place) const;

    // A digit of the product (the sum, or the one row), -1 left of its highest digit.
    int productDigit(int column) const;
    // The carry added into a column while the rows are added up; 0 in column 1.
    int sumCarryInto(int column) const;
    // The columns the product takes.
    int productColumns() const;
    // Whether anything is carried: into a multiplicand digit while a row is
    // multiplied, or into a column while the rows are added up.
    bool hasCarries() const;

private:
    QList<int> m_multiplier;
    QList<int> m_multiplicand;
};

// The digit of a number in a column counted from the right (1 the ones), -1
// left of its highest digit; the number 0 has its one digit in column 1.
int digitInColumn(qint64 value, int column);
