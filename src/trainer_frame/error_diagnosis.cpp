// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/error_diagnosis.h"

#include <algorithm>

namespace {
using Work = StepNumbers::Work;

bool multiplies(const StepNumbers &n)
{
    return n.work == Work::Multiply;
}

// The digit the step gives with other factors or another carry.
int withNumbers(const StepNumbers &n, int a, int b, int carry)
{
    return n.digitOf(a * b + carry);
}

// A neighbouring fact of the times table (a·(b±1), (a±1)·b) with the right carry.
bool neighbouringFact(const StepNumbers &n, int written)
{
    const std::pair<int, int> shifts[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    return std::any_of(std::begin(shifts), std::end(shifts), [&](const std::pair<int, int> &shift) {
        const int a = n.a + shift.first;
        const int b = n.b + shift.second;
        return a >= 0 && a <= 10 && b >= 0 && b <= 10 && written == withNumbers(n, a, b, n.carryIn);
    });
}

// Another carry than the one due: one more or one less, or one of another place of the row.
bool anotherCarry(const DigitQuestion &q, const StepNumbers &n, int written)
{
    QList<int> carries{n.carryIn - 1, n.carryIn + 1};
    for (int place = 0; place <= int(q.calculation.multiplicandDigits().size()); ++place)
        carries.append(q.calculation.carryInto(q.step.row, place));
    return std::any_of(carries.cbegin(), carries.cend(), [&](int carry) {
        return carry >= 0 && carry != n.carryIn && written == withNumbers(n, n.a, n.b, carry);
    });
}

// The row written as if its zeros were missing: each digit one column to the right.
bool rowWithoutItsZero(const DigitQuestion &q, int written)
{
    const WrittenMultiplication &c = q.calculation;
    return q.step.kind == StepKind::RowDigit && c.rowPlace(q.step.row) > 0
        && written == c.partialProductDigit(q.step.row, q.step.column + 1);
}

// The digits beside a step: of the next column either way, of the row above and below.
QList<int> neighbours(const DigitQuestion &q)
{
    const WrittenMultiplication &c = q.calculation;
    const CalculationStep &s = q.step;
    const int rows = c.productRows();
    auto inLine = [&](int line, int column) {
        if (line == rows)
            return c.hasSum() ? c.productDigit(column) : -1;
        return line >= 0 && line < rows ? c.partialProductDigit(line, column) : -1;
    };
    const int line = s.kind == StepKind::SumDigit ? rows : s.row;
    switch (s.kind) {
    case StepKind::MultiplicandDigit:
        return {c.multiplicandDigit(s.place - 1), c.multiplicandDigit(s.place + 1)};
    case StepKind::Carry:
        return {s.place > 1 ? c.carryInto(s.row, s.place - 1) : -1, c.carryInto(s.row, s.place + 1)};
    case StepKind::RowDigit:
    case StepKind::PlaceZero:
    case StepKind::BroughtDownZero:
    case StepKind::SumDigit:
        return {inLine(line, s.column - 1), inLine(line, s.column + 1), inLine(line - 1, s.column),
                inLine(line + 1, s.column)};
    default:
        return {};
    }
}

using Q = const DigitQuestion &;
using N = const StepNumbers &;

// One row per kind: its name and how a wrong digit `w` shows it.
const QList<ErrorRule> rules{
    {ErrorKind::ZeroError, "Fehler mit der Null",
     [](Q q, N n, int w) { // a zero field; 0 · b taken as b; the row without its zero
         return n.work == Work::Zero || rowWithoutItsZero(q, w)
             || (multiplies(n) && n.a == 0 && n.b > 0 && (w == n.digitOf(n.b + n.carryIn) || w == n.b));
     }},
    {ErrorKind::CarryForgotten, "Übertrag vergessen",
     [](Q, N n, int w) { // the digit of a · b alone; a factor found without taking off the carry
         return n.carryIn > 0
             && ((multiplies(n) && w == n.digitOf(n.product()))
                 || (n.work == Work::FindFactor && w * n.b % 10 == n.value % 10));
     }},
    {ErrorKind::OnesAndTensSwapped, "Einer und Zehner vertauscht",
     [](Q, N n, int w) { // the tens written, the ones carried
         return multiplies(n) && n.value >= 10 && n.value % 10 != n.value / 10 % 10
             && w == (n.tens ? n.value % 10 : n.value / 10 % 10);
     }},
    {ErrorKind::CarryMultiplied, "Übertrag mitmultipliziert",
     [](Q, N n, int w) { return multiplies(n) && n.carryIn > 0 && w == n.digitOf((n.a + n.carryIn) * n.b); }},
    {ErrorKind::TimesTable, "Einmaleins",
     [](Q, N n, int w) { // a neighbouring fact with the right carry; a factor one off
         return (multiplies(n) && neighbouringFact(n, w)) || (n.work == Work::FindFactor && std::abs(w - n.a) == 1);
     }},
    {ErrorKind::AddedInsteadOfMultiplied, "addiert statt multipliziert",
     [](Q, N n, int w) {
         return multiplies(n) && (w == n.digitOf(n.a + n.b + n.carryIn) || w == n.digitOf(n.a + n.b));
     }},
    {ErrorKind::CarryWrong, "Übertrag falsch",
     [](Q q, N n, int w) { return multiplies(n) && anotherCarry(q, n, w); }},
    {ErrorKind::AdditionError, "Fehler beim Addieren",
     [](Q, N n, int w) { // a column sum without its carry, or one off
         return n.work == Work::Add
             && ((n.carryIn > 0 && w == (n.value - n.carryIn) % 10) || w == (n.value + 1) % 10
                 || w == (n.value + 9) % 10);
     }},
    {ErrorKind::PlaceShifted, "Stelle verrutscht",
     [](Q q, N, int w) { return neighbours(q).contains(w); }},
    {ErrorKind::Other, "sonstiger Fehler", [](Q, N, int) { return true; }},
};

QString rowPrefix(const DigitQuestion &q)
{
    switch (q.step.kind) {
    case StepKind::Carry:
        return QStringLiteral("Übertrag, ");
    case StepKind::MultiplicandDigit:
        return QStringLiteral("1. Faktor, ");
    case StepKind::MultiplierDigit:
        return QStringLiteral("2. Faktor, ");
    case StepKind::RowDigit:
    case StepKind::PlaceZero:
        return q.calculation.hasSum() ? QStringLiteral("%1. Teilprodukt, ").arg(q.step.row + 1) : QString();
    case StepKind::SumDigit:
        return QStringLiteral("Summe, ");
    default:
        return QString();
    }
}
} // namespace

StepNumbers numbersOf(const DigitQuestion &q)
{
    const WrittenMultiplication &c = q.calculation;
    const CalculationStep &s = q.step;
    const int digits = int(c.multiplicandDigits().size());
    StepNumbers n;
    auto multiply = [&](int row, int place, bool tens, int carry) {
        n.work = Work::Multiply;
        n.a = std::max(0, c.multiplicandDigit(place));
        n.b = c.rowDigit(row);
        n.carryIn = carry;
        n.value = n.a * n.b + carry;
        n.tens = tens;
    };
    switch (s.kind) {
    case StepKind::RowDigit: {
        const int place = s.column - 1 - c.rowPlace(s.row);
        if (place >= 0 && place < digits)
            multiply(s.row, place, false, c.carryInto(s.row, place));
        else if (place == digits) // the last carry, written down in front of the row
            multiply(s.row, place - 1, true, c.carryInto(s.row, place - 1));
        break;
    }
    case StepKind::Carry:
        if (s.place >= 1)
            multiply(s.row, s.place - 1, true, q.carryWritten >= 0 ? q.carryWritten : c.carryInto(s.row, s.place - 1));
        break;
    case StepKind::SumDigit:
        n.work = Work::Add;
        for (int row = 0; row < c.productRows(); ++row)
            if (const int digit = c.partialProductDigit(row, s.column); digit >= 0 && s.column > c.rowPlace(row))
                n.addends.append(digit);
        n.carryIn = c.sumCarryInto(s.column);
        n.value = n.carryIn;
        for (int addend : n.addends)
            n.value += addend;
        break;
    case StepKind::PlaceZero:
    case StepKind::BroughtDownZero:
        n.work = Work::Zero;
        n.b = c.rowDigit(s.row);
        break;
    case StepKind::MultiplicandDigit:
        if (c.productRows() == 1) { // a gap in the first factor, found from the row under it
            n.work = Work::FindFactor;
            n.a = std::max(0, c.multiplicandDigit(s.place));
            n.b = c.rowDigit(0);
            n.carryIn = c.carryInto(0, s.place);
            n.value = n.a * n.b + n.carryIn;
        }
        break;
    default:
        break;
    }
    return n;
}

const QList<ErrorRule> &errorRules()
{
    return rules;
}

QString errorKindName(ErrorKind kind)
{
    for (const ErrorRule &rule : rules)
        if (rule.kind == kind)
            return QString::fromUtf8(rule.name);
    return QString();
}

ErrorKind diagnose(const DigitQuestion &question, int written)
{
    const StepNumbers numbers = numbersOf(question);
    for (const ErrorRule &rule : rules)
        if (rule.recognises(question, numbers, written))
            return rule.kind;
    return ErrorKind::Other;
}

QString taskTerm(const WrittenMultiplication &calculation)
{
    return QStringLiteral("%1 · %2").arg(calculation.multiplicand()).arg(calculation.multiplier());
}

QString errorExample(const DigitQuestion &question, int written)
{
    return QStringLiteral("%1: %2%3 %4 statt %5")
        .arg(taskTerm(question.calculation), rowPrefix(question),
             placeName(question.step.placeValue(question.calculation)))
        .arg(written)
        .arg(question.expected);
}
