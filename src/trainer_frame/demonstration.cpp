// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/demonstration.h"

namespace {
using Work = StepNumbers::Work;

// "Schreibe 2, merke 1." or "Schreibe 7."
QString writeAndKeep(int value)
{
    return value >= 10 ? QStringLiteral("Schreibe %1, merke %2.").arg(value % 10).arg(value / 10)
                       : QStringLiteral("Schreibe %1.").arg(value);
}
} // namespace

QString demonstrationSentence(const DigitQuestion &q)
{
    const WrittenMultiplication &c = q.calculation;
    const StepNumbers n = numbersOf(q);
    const QString times = QStringLiteral("%1 · %2").arg(n.a).arg(n.b);
    switch (n.work) {
    case Work::Multiply: {
        if (n.tens && q.step.kind == StepKind::RowDigit)
            return QStringLiteral("Vorne steht der Übertrag: Schreibe %1.").arg(n.result());
        if (n.tens)
            return QStringLiteral("Schreibe den Übertrag %1 unter die %2.")
                .arg(n.result())
                .arg(c.multiplicandDigit(q.step.place));
        const QString sum = n.carryIn > 0 ? QStringLiteral("%1 = %2, dazu %3: %4. ").arg(times).arg(n.product()).arg(n.carryIn).arg(n.value)
                                          : QStringLiteral("%1 = %2. ").arg(times).arg(n.value);
        return sum + writeAndKeep(n.value);
    }
    case Work::Add: {
        QStringList terms;
        for (int addend : n.addends)
            terms.append(QString::number(addend));
        const QString place = placeName(q.step.column) + QStringLiteral(": ");
        if (terms.isEmpty())
            return place + QStringLiteral("Der Übertrag %1 kommt herunter.").arg(n.carryIn);
        const QString added = terms.join(QStringLiteral(" + "));
        const int sum = n.value - n.carryIn;
        const QString carried = n.carryIn > 0 ? QStringLiteral(", dazu %1: %2").arg(n.carryIn).arg(n.value) : QString();
        return place + (terms.size() > 1 ? QStringLiteral("%1 = %2").arg(added).arg(sum) : added) + carried
            + QStringLiteral(". ") + writeAndKeep(n.value);
    }
    case Work::Zero:
        if (q.step.kind == StepKind::BroughtDownZero)
            return QStringLiteral("Die 0 von %1 kommt herunter.").arg(c.multiplier());
        return QStringLiteral("Die %1 steht bei den %2: Schreibe rechts eine 0.")
            .arg(n.b)
            .arg(placeNameAfterBeiDen(c.rowPlace(q.step.row) + 1));
    case Work::FindFactor:
        return QStringLiteral("%1%2 = %3. Schreibe %4.")
            .arg(QStringLiteral("%1 · %2").arg(n.a).arg(n.b),
                 n.carryIn > 0 ? QStringLiteral(" + %1").arg(n.carryIn) : QString())
            .arg(n.value)
            .arg(n.a);
    case Work::None:
        break;
    }
    return QStringLiteral("Schreibe %1.").arg(q.expected);
}

QString demonstrationEnd(const WrittenMultiplication &calculation)
{
    return QStringLiteral("Fertig: %1 = %2. Jetzt rechnest du eine neue Aufgabe.")
        .arg(taskTerm(calculation))
        .arg(calculation.product());
}
