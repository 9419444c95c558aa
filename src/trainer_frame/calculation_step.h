// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "worksheet/written_multiplication.h"

#include <QString>

// What a cell of a trainer is in its written calculation.
enum class StepKind {
    None,              // the dot, a rule, a cell the task does not show
    MultiplicandDigit, // a digit of the first factor
    MultiplierDigit,   // a digit of the second factor, its zeros too
    Carry,             // the carry added to a multiplicand digit while a row is multiplied
    RowDigit,          // a digit of a product row
    PlaceZero,         // a zero a shifted product row ends with
    BroughtDownZero,   // a zero of the multiplier brought down
    SumDigit,          // a digit of the sum of the product rows
};

// One step of a written multiplication: a digit of a factor (at `place`, 0 the
// ones), a carry (into `place` of the multiplicand while `row` is multiplied),
// or a digit of a product row or of the sum (in `column`, 1 the ones).
struct CalculationStep {
    StepKind kind = StepKind::None;
    int row = 0;
    int place = 0;
    int column = 0;

    static CalculationStep multiplicandDigit(int place) { return {StepKind::MultiplicandDigit, 0, place, 0}; }
    static CalculationStep multiplierDigit(int place) { return {StepKind::MultiplierDigit, 0, place, 0}; }
    static CalculationStep carry(int row, int place) { return {StepKind::Carry, row, place, 0}; }
    static CalculationStep rowDigit(int row, int column) { return {StepKind::RowDigit, row, 0, column}; }
    static CalculationStep placeZero(int row, int column) { return {StepKind::PlaceZero, row, 0, column}; }
    static CalculationStep broughtDownZero(int row, int column) { return {StepKind::BroughtDownZero, row, 0, column}; }
    static CalculationStep sumDigit(int column) { return {StepKind::SumDigit, 0, 0, column}; }
    // A digit in a row's column, its place's zeros included.
    static CalculationStep inRow(const WrittenMultiplication &calculation, int row, int column);

    // The digit the finished calculation has here, -1 where it has none.
    int digitIn(const WrittenMultiplication &calculation) const;
    // The place value as a pupil names it: 1 the ones, 2 the tens, …
    int placeValue(const WrittenMultiplication &calculation) const;

    friend bool operator==(const CalculationStep &, const CalculationStep &) = default;
};

// "Einer", "Zehner", … for place value 1, 2, …
QString placeName(int placeValue);
// The same after "bei den": "Einern", "Zehnern", …
QString placeNameAfterBeiDen(int placeValue);
