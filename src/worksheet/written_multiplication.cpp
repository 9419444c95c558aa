// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/written_multiplication.h"

#include <algorithm>

namespace {
qint64 valueOf(const QList<int> &digits)
{
    qint64 value = 0;
    for (int digit : digits)
        value = 10 * value + digit;
    return value;
}

int digitAtPlace(const QList<int> &digits, int place)
{
    const int index = int(digits.size()) - 1 - place;
    return place >= 0 && index >= 0 ? digits.at(index) : -1;
}

qint64 powerOfTen(int exponent)
{
    qint64 value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= 10;
    return value;
}
} // namespace

WrittenMultiplication::WrittenMultiplication(QList<int> multiplicand, QList<int> multiplier)
    : m_multiplier(std::move(multiplier))
    , m_multiplicand(std::move(multiplicand))
{
}

qint64 WrittenMultiplication::multiplicand() const
{
    return valueOf(m_multiplicand);
}

qint64 WrittenMultiplication::multiplier() const
{
    return valueOf(m_multiplier);
}

int WrittenMultiplication::multiplicandDigit(int place) const
{
    return digitAtPlace(m_multiplicand, place);
}

int WrittenMultiplication::multiplierDigit(int place) const
{
    return digitAtPlace(m_multiplier, place);
}

int WrittenMultiplication::broughtDownZeros() const
{
    int zeros = 0;
    // A multiplier of zeros alone keeps its highest digit as a row.
    while (zeros + 1 < m_multiplier.size() && m_multiplier.at(m_multiplier.size() - 1 - zeros) == 0)
        ++zeros;
    return zeros;
}

int WrittenMultiplication::productRows() const
{
    return int(m_multiplier.size()) - broughtDownZeros();
}

int WrittenMultiplication::rowDigit(int row) const
{
    return m_multiplier.value(row, 0);
}

int WrittenMultiplication::rowPlace(int row) const
{
    return int(m_multiplier.size()) - 1 - row;
}

qint64 WrittenMultiplication::rowValue(int row) const
{
    return multiplicand() * rowDigit(row);
}

qint64 WrittenMultiplication::partialProduct(int row) const
{
    return rowValue(row) * powerOfTen(rowPlace(row));
}

int WrittenMultiplication::partialProductDigit(int row, int column) const
{
    return digitInColumn(partialProduct(row), column);
}

int WrittenMultiplication::carryInto(int row, int place) const
{
    const int digit = rowDigit(row);
    int carry = 0;
    for (int p = 0; p < place; ++p)
        carry = (std::max(0, multiplicandDigit(p)) * digit + carry) / 10;
    return carry;
}

int WrittenMultiplication::productDigit(int column) const
{
    return digitInColumn(product(), column);
}

int WrittenMultiplication::sumCarryInto(int column) const
{
    int carry = 0;
    for (int c = 1; c < column; ++c) {
        int sum = carry;
        for (int row = 0; row < productRows(); ++row)
            sum += std::max(0, partialProductDigit(row, c));
        carry = sum / 10;
    }
    return carry;
}

int WrittenMultiplication::productColumns() const
{
    int columns = 1;
    while (productDigit(columns + 1) >= 0)
        ++columns;
    return columns;
}

bool WrittenMultiplication::hasCarries() const
{
    for (int row = 0; row < productRows(); ++row)
        for (int place = 1; place < m_multiplicand.size(); ++place)
            if (carryInto(row, place) > 0)
                return true;
    if (hasSum())
        for (int column = 2; column <= productColumns(); ++column)
            if (sumCarryInto(column) > 0)
                return true;
    return false;
}

int digitInColumn(qint64 value, int column)
{
    if (column < 1)
        return -1;
    for (int c = 1; c < column; ++c)
        value /= 10;
    return value > 0 || column == 1 ? int(value % 10) : -1;
}
