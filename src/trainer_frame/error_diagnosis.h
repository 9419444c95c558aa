// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/calculation_step.h"

#include <QList>
#include <QString>

// A digit the pupil is asked for: where it stands in which calculation, and
// what the check expects there.
struct DigitQuestion {
    WrittenMultiplication calculation;
    CalculationStep step;
    int expected = -1;
    // A carry the pupil wrote into the column a carry is worked out from, as
    // the check counts it (an empty field 0); -1 where the calculation's counts.
    int carryWritten = -1;
    bool gap = false; // a gap of a gap task
};

// The numbers one step is worked out from.
struct StepNumbers {
    enum class Work { None, Multiply, Add, Zero, FindFactor };
    Work work = Work::None;
    int a = 0;          // the multiplicand digit multiplied (found, for a gap in the first factor)
    int b = 0;          // the multiplier digit of the row
    int carryIn = 0;    // the carry added in the column
    int value = 0;      // a · b + carryIn, or the column's sum with its carry
    bool tens = false;  // the step writes the tens of value: a carry, or the carry written before a row
    QList<int> addends; // the digits a sum adds in its column

    int digitOf(int v) const { return tens ? v / 10 % 10 : v % 10; }
    int result() const { return digitOf(value); }
    int product() const { return a * b; }
};
StepNumbers numbersOf(const DigitQuestion &question);

// The errors the written method is known for, in the order they are told apart.
enum class ErrorKind {
    ZeroError,
    CarryForgotten,
    OnesAndTensSwapped,
    CarryMultiplied,
    TimesTable,
    AddedInsteadOfMultiplied,
    CarryWrong,
    AdditionError,
    PlaceShifted,
    Other,
};
inline constexpr int errorKindCount = int(ErrorKind::Other) + 1;

// How each kind is recognised: the first row whose test the wrong digit passes names it.
struct ErrorRule {
    ErrorKind kind;
    const char *name;
    bool (*recognises)(const DigitQuestion &question, const StepNumbers &numbers, int written);
};
const QList<ErrorRule> &errorRules();

QString errorKindName(ErrorKind kind);
// The most likely kind of error behind a wrong digit.
ErrorKind diagnose(const DigitQuestion &question, int written);
// A wrong digit as a teacher notes it: "1234 · 3: Zehner 9 statt 0".
QString errorExample(const DigitQuestion &question, int written);
// The task as it is read: "1234 · 3".
QString taskTerm(const WrittenMultiplication &calculation);
