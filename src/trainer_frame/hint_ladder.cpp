// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/hint_ladder.h"

#include <algorithm>

namespace {
using Work = StepNumbers::Work;

QString num(qint64 value)
{
    return QString::number(value);
}

// Where the field stands, said in a gap task and where there are several rows:
// "Im 2. Teilprodukt bei den Zehnern: ", "Die Lücke im Ergebnis bei den Einern: ".
QString location(const DigitQuestion &q)
{
    const WrittenMultiplication &c = q.calculation;
    if (!q.gap && !c.hasSum())
        return QString();
    QString row;
    switch (q.step.kind) {
    case StepKind::RowDigit:
    case StepKind::PlaceZero:
        row = c.hasSum() ? QStringLiteral("im %1. Teilprodukt").arg(q.step.row + 1) : QStringLiteral("im Ergebnis");
        break;
    case StepKind::BroughtDownZero:
        row = QStringLiteral("im Ergebnis");
        break;
    case StepKind::SumDigit:
        row = QStringLiteral("in der Summe");
        break;
    case StepKind::MultiplicandDigit:
        row = QStringLiteral("im 1. Faktor");
        break;
    default:
        return QString();
    }
    const QString where = row + QStringLiteral(" bei den ") + placeNameAfterBeiDen(q.step.placeValue(c));
    if (q.gap)
        return QStringLiteral("Die Lücke ") + where + QStringLiteral(": ");
    return where.left(1).toUpper() + where.mid(1) + QStringLiteral(": ");
}

QString times(const StepNumbers &n)
{
    return QStringLiteral("%1 · %2").arg(n.a).arg(n.b);
}

QString plusCarry(const StepNumbers &n)
{
    return n.carryIn > 0 ? QStringLiteral(" + %1").arg(n.carryIn) : QString();
}

bool leadsTheRow(const DigitQuestion &q, const StepNumbers &n)
{
    return q.step.kind == StepKind::RowDigit && n.tens;
}

QString zeros(int count, bool spelled)
{
    if (count == 1)
        return spelled ? QStringLiteral("einer 0") : QStringLiteral("die Null");
    return spelled ? QStringLiteral("%1 Nullen").arg(count == 2 ? QStringLiteral("zwei") : num(count))
                   : QStringLiteral("die Nullen");
}

QString lookAtMultiplication(const DigitQuestion &q, const StepNumbers &n, ErrorKind error, int written)
{
    const bool carry = n.carryIn > 0;
    switch (error) {
    case ErrorKind::CarryForgotten:
        return QStringLiteral("Hast du den Übertrag %1 dazugezählt?").arg(n.carryIn);
    case ErrorKind::OnesAndTensSwapped:
        return n.tens ? QStringLiteral("Als Übertrag merkst du dir die Zehner, die Einer stehen unten.")
                      : QStringLiteral("Unten schreibst du die Einer, die Zehner merkst du dir.");
    case ErrorKind::CarryMultiplied:
        return QStringLiteral("Rechne zuerst %1 und zähle dann den Übertrag %2 dazu.").arg(times(n)).arg(n.carryIn);
    case ErrorKind::TimesTable:
        return QStringLiteral("Rechne %1 noch einmal genau.").arg(times(n));
    case ErrorKind::AddedInsteadOfMultiplied:
        return QStringLiteral("Hier wird malgenommen: %1, nicht %2 + %3.").arg(times(n)).arg(n.a).arg(n.b);
    case ErrorKind::CarryWrong:
        return carry ? QStringLiteral("Schau genau, welcher Übertrag hierher gehört.")
                     : QStringLiteral("Hier kommt kein Übertrag dazu.");
    case ErrorKind::ZeroError:
        return n.a == 0 ? QStringLiteral("0 mal eine Zahl ist immer 0.")
                        : QStringLiteral("Hast du an die Null am Ende gedacht?");
    case ErrorKind::PlaceShifted:
        return QStringLiteral("Die %1 gehört an eine andere Stelle. Hier rechnest du %2.").arg(written).arg(times(n));
    default:
        break;
    }
    if (leadsTheRow(q, n))
        return QStringLiteral("Ganz vorne steht der Übertrag von %1%2.").arg(times(n), plusCarry(n));
    if (n.tens)
        return QStringLiteral("Der Übertrag sind die Zehner von %1%2.").arg(times(n), plusCarry(n));
    return carry ? QStringLiteral("Rechne %1 und zähle den Übertrag %2 dazu.").arg(times(n)).arg(n.carryIn)
                 : QStringLiteral("Rechne %1.").arg(times(n));
}

QString look(const DigitQuestion &q, const StepNumbers &n, ErrorKind error, int written)
{
    const WrittenMultiplication &c = q.calculation;
    switch (n.work) {
    case Work::Multiply:
        return lookAtMultiplication(q, n, error, written);
    case Work::Add:
        if (error == ErrorKind::AdditionError && n.carryIn > 0 && written == (n.value - n.carryIn) % 10)
            return QStringLiteral("Hast du den Übertrag %1 dazugezählt?").arg(n.carryIn);
        if (error == ErrorKind::AdditionError)
            return QStringLiteral("Zähle noch einmal genau zusammen.");
        if (error == ErrorKind::PlaceShifted)
            return QStringLiteral("Die %1 gehört an eine andere Stelle. Zähle die Ziffern darüber zusammen.")
                .arg(written);
        return n.carryIn > 0 ? QStringLiteral("Zähle die Ziffern darüber und den Übertrag %1 zusammen.").arg(n.carryIn)
                             : QStringLiteral("Zähle die Ziffern darüber zusammen.");
    case Work::Zero:
        if (q.step.kind == StepKind::BroughtDownZero)
            return QStringLiteral("Schau auf %1 am Ende von %2.").arg(zeros(c.broughtDownZeros(), false)).arg(c.multiplier());
        return QStringLiteral("Schau, wo die %1 im 2. Faktor steht: bei den %2.")
            .arg(n.b)
            .arg(placeNameAfterBeiDen(c.rowPlace(q.step.row) + 1));
    case Work::FindFactor:
        if (error == ErrorKind::CarryForgotten)
            return QStringLiteral("Hast du den Übertrag %1 abgezogen?").arg(n.carryIn);
        if (error == ErrorKind::TimesTable)
            return QStringLiteral("Rechne noch einmal genau: Welche Ziffer · %1 ergibt %2?")
                .arg(n.b)
                .arg(n.value - n.carryIn);
        return n.carryIn > 0
            ? QStringLiteral("Welche Ziffer · %1 und dazu der Übertrag %2 ergibt %3?").arg(n.b).arg(n.carryIn).arg(n.value)
            : QStringLiteral("Welche Ziffer · %1 ergibt %2?").arg(n.b).arg(n.value);
    case Work::None:
        break;
    }
    return QStringLiteral("Schau genau hin.");
}

QString workedStep(const DigitQuestion &q, const StepNumbers &n)
{
    const WrittenMultiplication &c = q.calculation;
    switch (n.work) {
    case Work::Multiply:
        if (n.carryIn > 0)
            return QStringLiteral("%1 = %2, dazu der Übertrag %3: %4.").arg(times(n)).arg(n.product()).arg(n.carryIn).arg(n.value);
        return QStringLiteral("%1 = %2.").arg(times(n)).arg(n.value);
    case Work::Add: {
        QStringList terms;
        for (int addend : n.addends)
            terms.append(num(addend));
        const int sum = n.value - n.carryIn;
        const QString carried = QStringLiteral(", dazu der Übertrag %1: %2.").arg(n.carryIn).arg(n.value);
        if (terms.isEmpty())
            return QStringLiteral("Hier steht nur der Übertrag %1.").arg(n.carryIn);
        if (terms.size() == 1)
            return n.carryIn > 0 ? terms.first() + carried : QStringLiteral("Hier steht nur die %1.").arg(terms.first());
        return QStringLiteral("%1 = %2").arg(terms.join(QStringLiteral(" + "))).arg(sum)
            + (n.carryIn > 0 ? carried : QStringLiteral("."));
    }
    case Work::Zero: {
        if (q.step.kind == StepKind::BroughtDownZero)
            return c.broughtDownZeros() == 1
                ? QStringLiteral("Die 0 von %1 kommt zuerst herunter.").arg(c.multiplier())
                : QStringLiteral("Die %1 von %2 kommen zuerst herunter.").arg(zeros(c.broughtDownZeros(), true)).arg(c.multiplier());
        const int place = c.rowPlace(q.step.row);
        qint64 rowMultiplier = n.b;
        for (int i = 0; i < place; ++i)
            rowMultiplier *= 10;
        return QStringLiteral("Die %1 steht bei den %2, und %3 · %4 endet mit %5.")
            .arg(n.b)
            .arg(placeNameAfterBeiDen(place + 1))
            .arg(c.multiplicand())
            .arg(rowMultiplier)
            .arg(zeros(place, true));
    }
    case Work::FindFactor:
        if (n.carryIn > 0)
            return QStringLiteral("%1 − %2 = %3. Welche Ziffer · %4 ergibt %3?")
                .arg(n.value)
                .arg(n.carryIn)
                .arg(n.value - n.carryIn)
                .arg(n.b);
        return QStringLiteral("Suche im Einmaleins mit %1: Welche Ziffer · %1 ergibt %2?").arg(n.b).arg(n.value);
    case Work::None:
        break;
    }
    return QStringLiteral("Schau genau hin.");
}

QString digitToWrite(const DigitQuestion &q, const StepNumbers &n)
{
    switch (n.work) {
    case Work::Multiply:
    case Work::Add:
        if (n.tens)
            return leadsTheRow(q, n) ? QStringLiteral("Schreibe %1.").arg(n.result())
                                     : QStringLiteral("Schreibe %1 als Übertrag.").arg(n.result());
        if (n.value >= 10)
            return QStringLiteral("Schreibe %1 und merke dir %2.").arg(n.value % 10).arg(n.value / 10);
        return QStringLiteral("Schreibe %1.").arg(n.value);
    case Work::Zero:
        return QStringLiteral("Schreibe 0.");
    case Work::FindFactor:
        return QStringLiteral("Schreibe %1.").arg(n.a);
    case Work::None:
        break;
    }
    return QStringLiteral("Schreibe %1.").arg(q.expected);
}
} // namespace

QString hintText(const DigitQuestion &question, Rung rung, ErrorKind error, int written, bool offerDemonstration)
{
    const StepNumbers numbers = numbersOf(question);
    QString text;
    switch (rung) {
    case Rung::Look:
        text = look(question, numbers, error, written);
        break;
    case Rung::WorkedStep:
        text = workedStep(question, numbers);
        break;
    case Rung::Digit:
        text = digitToWrite(question, numbers);
        break;
    }
    if (offerDemonstration)
        text += QStringLiteral(" „Vormachen“ zeigt dir die ganze Rechnung.");
    return QStringLiteral("Tipp: ") + location(question) + text;
}

QList<CalculationStep> feedingSteps(const DigitQuestion &q)
{
    const WrittenMultiplication &c = q.calculation;
    const CalculationStep &s = q.step;
    const int digits = int(c.multiplicandDigits().size());
    const CalculationStep multiplier = CalculationStep::multiplierDigit(c.rowPlace(s.row));
    switch (s.kind) {
    case StepKind::RowDigit: {
        const int place = std::min(digits - 1, s.column - 1 - c.rowPlace(s.row));
        return {CalculationStep::multiplicandDigit(place), multiplier, CalculationStep::carry(s.row, place)};
    }
    case StepKind::Carry:
        return {CalculationStep::multiplicandDigit(s.place - 1), multiplier, CalculationStep::carry(s.row, s.place - 1)};
    case StepKind::SumDigit: {
        QList<CalculationStep> steps;
        for (int row = 0; row < c.productRows(); ++row)
            steps.append(CalculationStep::inRow(c, row, s.column));
        return steps;
    }
    case StepKind::PlaceZero:
        return {multiplier};
    case StepKind::BroughtDownZero:
        return {CalculationStep::multiplierDigit(s.column - 1)};
    case StepKind::MultiplicandDigit: {
        const int column = s.place + 1 + c.rowPlace(0);
        QList<CalculationStep> steps{CalculationStep::multiplierDigit(c.rowPlace(0)), CalculationStep::carry(0, s.place),
                                     CalculationStep::carry(0, s.place + 1), CalculationStep::inRow(c, 0, column)};
        if (s.place == digits - 1)
            steps.append(CalculationStep::inRow(c, 0, column + 1));
        return steps;
    }
    default:
        return {};
    }
}

HintLadder::Climb HintLadder::afterWrongDigit(int field, int digit)
{
    Field &f = m_fields[field];
    f.rung = std::min(int(Rung::Digit), f.rung + 1);
    if (!f.wrongDigits.contains(digit))
        f.wrongDigits.append(digit);
    return {Rung(f.rung), f.wrongDigits.size() >= guessingDigits};
}

HintLadder::Climb HintLadder::afterAsking(int field)
{
    Field &f = m_fields[field];
    // Asking again at the last rung wants more than a hint can give.
    const bool atTop = f.rung == int(Rung::Digit);
    f.rung = std::min(int(Rung::Digit), f.rung + 1);
    return {Rung(f.rung), atTop || f.wrongDigits.size() >= guessingDigits};
}
