// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "worksheet/sheet_kind.h"
#include "worksheet/written_multiplication.h"

#include <QList>
#include <QString>

// A digit of a written calculation: a line, the product row (partial
// products only) and the column counted from the right, 1 the ones; a
// multiplicand's columns are its places plus one.
struct WrittenPlace {
    enum class Line { Multiplicand, PartialProduct, Product };
    Line line = Line::Product;
    int row = 0;
    int column = 1;

    bool operator==(const WrittenPlace &) const = default;
};

// The digit the calculation writes at a place, -1 where it writes none or
// only a zero of a place (brought down or ending a shifted row).
int writtenDigit(const WrittenMultiplication &calculation, const WrittenPlace &place);

// A gap task leaves `count` of these places out, as far as the calculation has them.
struct GapGroup {
    QList<WrittenPlace> places;
    int count = 0;
};

// What a trainer practises, as its squared-paper sheet draws and reads it.
struct KaroblattRules {
    SheetKind kind = SheetKind::SingleRow;
    QString title;          // the sheet's head, the trainer's name
    int multiplierDigits = 1;
    bool hasKinds = false;  // one-row: "mal E", "mal Z", "mal H"
    int leadingFrom = 1;    // the first factor's highest digit
    int leadingTo = 9;
    int onesFrom = 1;       // its ones
    int onesTo = 9;
    // The multiplier's digits in drawn tasks; a teacher's own task may have ones too.
    int multiplierDigitFrom = 2;
    int multiplierDigitTo = 9;
    int ownMultiplierDigitFrom = 1;
    QString ownTaskExample; // "4711 · 6; 305 · 70"
    QString multiplierRule; // what a teacher's second factor must be
    QList<GapGroup> gaps;

    static const KaroblattRules &of(SheetKind kind);
};
