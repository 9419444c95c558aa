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

PrintDocument document(const QList<Entry> &entries)
{
    PrintDocument printed;
    printed.fontFamily = QStringLiteral("Courier New");
    printed.pointSize = 12;
    printed.lines = lines(entries);
    for (int line = 0; line < printed.lines.size(); ++line) {
        if (!printed.lines.at(line).isEmpty())
            continue;
        int end = line + 1;
        while (end < printed.lines.size() && !printed.lines.at(end).isEmpty())
            ++end;
        printed.keptTogether.append({line + 1, end - line - 1});
    }
    return printed;
}

QString clipboardText(const QList<Entry> &entries)
{
    QString text;
    for (const QString &line : lines(entries))
        text += line + QStringLiteral("\r\n");
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
