// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/learning_record.h"

void LearningRecord::wrongDigit(ErrorKind kind, const QString &example)
{
    ++m_wrong;
    Kind &k = m_kinds[int(kind)];
    if (k.count++ == 0)
        k.example = example;
}

QStringList LearningRecord::reportLines(const QString &title) const
{
    QStringList lines{title};
    lines.append(QStringLiteral("  gelöste Aufgaben: %1").arg(m_solved));
    lines.append(QStringLiteral("  richtige Ziffern: %1").arg(m_right));
    lines.append(QStringLiteral("  falsche Ziffern: %1").arg(m_wrong));
    for (const ErrorRule &rule : errorRules()) {
        const Kind &k = kind(rule.kind);
        if (k.count > 0)
            lines.append(QStringLiteral("    %1: %2 (%3)").arg(QString::fromUtf8(rule.name)).arg(k.count).arg(k.example));
    }
    lines.append(QStringLiteral("  Tipps: %1").arg(m_hints));
    lines.append(QStringLiteral("  Vormachen: %1").arg(m_demonstrations));
    return lines;
}

namespace LearningReport {

QStringList lines(const QList<Entry> &entries)
{
    QStringList text{QStringLiteral("Lernstand seit dem Start des Programms"),
                     QStringLiteral("Richtige Ziffern in allen Trainern: %1").arg(rightDigits(entries))};
    for (const Entry &entry : entries) {
        text.append(QString());
        if (entry.record)
            text.append(entry.record->reportLines(entry.title));
        else
            text.append({entry.title, QStringLiteral("  noch nicht geübt")});
    }
    return text;
}

int rightDigits(const QList<Entry> &entries)
{
    int right = 0;
    for (const Entry &entry : entries)
        if (entry.record)
            right += entry.record->rightDigits();
    return right;
}

} // namespace LearningReport
