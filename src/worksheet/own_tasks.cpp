// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/own_tasks.h"

#include "shell/platform.h"
#include "worksheet/karoblatt_options.h"

#include <QRegularExpression>
#include <algorithm>

namespace {
const QChar sign(0x00B7);

bool isDigits(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QList<int> digitsOf(const QString &number)
{
    QList<int> digits;
    for (QChar c : number)
        digits.append(c.unicode() - u'0');
    return digits;
}

// Every way of writing the sign as the one dot.
QString withDots(QString task)
{
    static const QRegularExpression signs(QStringLiteral("mal|[*xX\u00D7\u22C5]"),
                                          QRegularExpression::CaseInsensitiveOption);
    return task.replace(signs, QString(sign));
}

bool multiplierFits(const QString &multiplier, const KaroblattRules &rules)
{
    if (rules.hasKinds) {
        static const QRegularExpression onesTensHundreds(QStringLiteral("^[1-9]0{0,2}$"));
        return onesTensHundreds.match(multiplier).hasMatch();
    }
    return multiplier.size() == rules.multiplierDigits
        && std::all_of(multiplier.begin(), multiplier.end(), [&](QChar c) {
               return c.unicode() - u'0' >= rules.ownMultiplierDigitFrom;
           });
}

// Why a task is no task of the sheet's kind; empty when it is one.
QString fault(const QString &task, const KaroblattRules &rules, WrittenMultiplication &read)
{
    const QString dotted = withDots(task);
    const bool onlyDigitsAndSigns = std::all_of(dotted.begin(), dotted.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || c == sign || c.isSpace();
    });
    if (!onlyDigitsAndSigns)
        return QStringLiteral("Sie darf nur aus Ziffern und einem Malzeichen (·, *, x oder mal) bestehen.");
    const qsizetype signs = dotted.count(sign);
    if (signs == 0)
        return QStringLiteral("Das Malzeichen fehlt (·, *, x oder mal).");
    if (signs > 1)
        return QStringLiteral("Sie hat mehr als ein Malzeichen.");
    const QString first = dotted.section(sign, 0, 0).trimmed();
    const QString second = dotted.section(sign, 1, 1).trimmed();
    if (first.isEmpty() || second.isEmpty())
        return QStringLiteral("Vor oder nach dem Malzeichen fehlt eine Zahl.");
    if (!isDigits(first) || !isDigits(second))
        return QStringLiteral("In einer Zahl darf kein Leerzeichen stehen.");
    if (first.size() < KaroblattOptions::fewestFirstFactorDigits
        || first.size() > KaroblattOptions::mostFirstFactorDigits || first.startsWith(u'0'))
        return QStringLiteral("Die erste Zahl muss zwei-, drei- oder vierstellig sein und darf nicht mit 0 "
                              "beginnen.");
    if (!multiplierFits(second, rules))
        return rules.multiplierRule;
    read = WrittenMultiplication(digitsOf(first), digitsOf(second));
    return QString();
}
} // namespace

OwnTaskReading OwnTasks::read(const QString &text, const KaroblattRules &rules)
{
    static const QRegularExpression separators(QStringLiteral("[;,\\r\\n]"));
    OwnTaskReading reading;
    for (const QString &part : text.split(separators)) {
        const QString task = part.simplified();
        if (task.isEmpty())
            continue;
        WrittenMultiplication calculation;
        const QString why = fault(task, rules, calculation);
        if (!why.isEmpty()) {
            reading.tasks.clear();
            reading.refusal = refusal(task, why, rules);
            return reading;
        }
        reading.tasks.append(calculation);
    }
    return reading;
}

QString OwnTasks::refusal(const QString &task, const QString &reason, const KaroblattRules &rules)
{
    return QStringLiteral("Die eigene Aufgabe „%1“ passt nicht auf dieses Blatt.").arg(task) + CR + reason
        + CR + QStringLiteral("So geht es zum Beispiel: %1").arg(rules.ownTaskExample) + QString(2, CR);
}

QString OwnTasks::tooMany(int own, int taskCount)
{
    return QStringLiteral("Es sind %1 eigene Aufgaben, das Blatt hat aber nur %2 Aufgaben.").arg(own).arg(taskCount)
        + CR + QStringLiteral("Bitte die Anzahl der Aufgaben erhöhen oder eigene Aufgaben streichen.")
        + QString(2, CR);
}
