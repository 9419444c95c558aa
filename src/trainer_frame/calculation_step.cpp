// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/calculation_step.h"

namespace {
const char *const placeNames[] = {"Einer",         "Zehner",           "Hunderter", "Tausender",
                                  "Zehntausender", "Hunderttausender", "Millionen"};
constexpr int placeCount = int(std::size(placeNames));
} // namespace

CalculationStep CalculationStep::inRow(const WrittenMultiplication &calculation, int row, int column)
{
    if (column <= calculation.rowPlace(row))
        return calculation.hasSum() ? placeZero(row, column) : broughtDownZero(row, column);
    return rowDigit(row, column);
}

int CalculationStep::digitIn(const WrittenMultiplication &calculation) const
{
    switch (kind) {
    case StepKind::MultiplicandDigit:
        return calculation.multiplicandDigit(place);
    case StepKind::MultiplierDigit:
        return calculation.multiplierDigit(place);
    case StepKind::Carry:
        return calculation.carryInto(row, place);
    case StepKind::RowDigit:
    case StepKind::PlaceZero:
    case StepKind::BroughtDownZero:
        return calculation.partialProductDigit(row, column);
    case StepKind::SumDigit:
        return calculation.productDigit(column);
    case StepKind::None:
        break;
    }
    return -1;
}

int CalculationStep::placeValue(const WrittenMultiplication &calculation) const
{
    switch (kind) {
    case StepKind::MultiplicandDigit:
    case StepKind::MultiplierDigit:
        return place + 1;
    case StepKind::Carry: // the carry stands under its multiplicand digit, in its row's places
        return place + 1 + calculation.rowPlace(row);
    case StepKind::None:
        return 0;
    default:
        return column;
    }
}

QString placeName(int placeValue)
{
    return placeValue >= 1 && placeValue <= placeCount ? QString::fromLatin1(placeNames[placeValue - 1])
                                                       : QString();
}

QString placeNameAfterBeiDen(int placeValue)
{
    const QString name = placeName(placeValue);
    return name.endsWith(QLatin1Char('r')) ? name + QLatin1Char('n') : name;
}
