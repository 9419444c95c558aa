// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/karoblatt_rules.h"

#include "worksheet/worksheet_layout.h"

namespace {
using Line = WrittenPlace::Line;

QList<WrittenPlace> places(Line line, int row, std::initializer_list<int> columns)
{
    QList<WrittenPlace> list;
    for (int column : columns)
        list.append({line, row, column});
    return list;
}

KaroblattRules oneRow()
{
    KaroblattRules rules;
    rules.kind = SheetKind::SingleRow;
    rules.multiplierDigits = 1;
    rules.hasKinds = true;
    rules.ownTaskExample = QStringLiteral("4711 · 6; 305 · 70");
    rules.multiplierRule = QStringLiteral(
        "Die zweite Zahl muss eine Einer-, Zehner- oder Hunderterzahl sein, z. B. 7, 70 oder 700.");
    // As the trainer's gap tasks: one digit of the multiplicand, two of the product.
    rules.gaps = {{places(Line::Multiplicand, 0, {1, 2, 3, 4}), 1},
                  {places(Line::Product, 0, {1, 2, 3, 4, 5, 6, 7}), 2}};
    return rules;
}

// The multi-row trainers draw a multiplicand from 5000 on that ends in 1 to 4,
// and leave out digits of the partial products and of the sum in a checkerboard.
KaroblattRules multiRow(SheetKind kind, int digits)
{
    KaroblattRules rules;
    rules.kind = kind;
    rules.multiplierDigits = digits;
    rules.leadingFrom = 5;
    rules.onesTo = 4;
    const bool three = digits == 3;
    rules.ownTaskExample = three ? QStringLiteral("4711 · 234; 305 · 678")
                                 : QStringLiteral("4711 · 23; 305 · 47");
    rules.multiplierRule = three
        ? QStringLiteral("Die zweite Zahl muss dreistellig sein und darf keine 0 enthalten, z. B. 234.")
        : QStringLiteral("Die zweite Zahl muss zweistellig sein und darf keine 0 enthalten, z. B. 23.");
    QList<WrittenPlace> partial = places(Line::PartialProduct, 0, {3, 5}) + places(Line::PartialProduct, 1, {2, 4});
    if (three)
        partial += places(Line::PartialProduct, 2, {1, 2});
    rules.gaps = {{partial, 2}, {places(Line::Product, 0, three ? std::initializer_list<int>{2, 4, 6}
                                                                : std::initializer_list<int>{1, 3, 5}),
                                 1}};
    return rules;
}

KaroblattRules titled(KaroblattRules rules)
{
    rules.title = WorksheetLayout::of(rules.kind).messageTitle;
    return rules;
}
} // namespace

const KaroblattRules &KaroblattRules::of(SheetKind kind)
{
    static const KaroblattRules single = titled(oneRow());
    static const KaroblattRules two = titled(multiRow(SheetKind::TwoRow, 2));
    static const KaroblattRules three = titled(multiRow(SheetKind::ThreeRow, 3));
    switch (kind) {
    case SheetKind::TwoRow:
        return two;
    case SheetKind::ThreeRow:
        return three;
    case SheetKind::SingleRow:
        break;
    }
    return single;
}

int writtenDigit(const WrittenMultiplication &calculation, const WrittenPlace &place)
{
    switch (place.line) {
    case Line::Multiplicand:
        return calculation.multiplicandDigit(place.column - 1);
    case Line::PartialProduct:
        if (place.row < 0 || place.row >= calculation.productRows()
            || place.column <= calculation.rowPlace(place.row))
            return -1;
        return calculation.partialProductDigit(place.row, place.column);
    case Line::Product:
        break;
    }
    return place.column > calculation.broughtDownZeros() ? calculation.productDigit(place.column) : -1;
}
