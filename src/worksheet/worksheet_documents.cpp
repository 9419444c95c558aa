// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/worksheet_documents.h"

namespace {
const QString lineEnd = QStringLiteral("\r\n");

// Each block's task row with the rows under it down to its last answer: on
// paper a task never stands on one page and its answers on the next.
QList<LineRun> taskRuns(const WorksheetLayout &layout, int firstLine)
{
    QList<LineRun> runs;
    int blockTop = firstLine;
    for (const BlockGroup &group : layout.groups) {
        blockTop += group.blankRowsBefore;
        qsizetype from = 0;
        while (from < group.rows.size() && group.rows.at(from).kind == RowKind::Blank)
            ++from;
        qsizetype to = group.rows.size() - 1;
        while (to > from && group.rows.at(to).kind == RowKind::Blank)
            --to;
        for (int block = 0; block < group.blocks; ++block) {
            runs.append({blockTop + int(from), int(to - from + 1)});
            blockTop += int(group.rows.size());
        }
    }
    return runs;
}
} // namespace

PrintDocument WorksheetDocuments::sheetDocument(SheetKind kind, SheetSide side,
                                                const QStringList &rows)
{
    const WorksheetLayout &layout = WorksheetLayout::of(kind);
    PrintDocument document;
    document.fontFamily = printFontFamily;
    document.pointSize = printPointSize;
    document.lines = layout.linesBeforeRows(side);
    const int firstRowLine = int(document.lines.size());
    for (int row = 0; row < rows.size(); ++row) {
        const QString answerLine = layout.answerLineForRow(row);
        document.lines.append(side == SheetSide::Tasks && !answerLine.isNull() ? answerLine
                                                                               : rows.at(row));
    }
    document.keptTogether = taskRuns(layout, firstRowLine);
    return document;
}

QString WorksheetDocuments::clipboardText(SheetKind kind, const QStringList &rows)
{
    const WorksheetLayout &layout = WorksheetLayout::of(kind);
    QString text;
    for (int row = 0; row < rows.size(); ++row)
        text += (layout.isAnswerRow(row) ? blankWorksheetRow : rows.at(row)) + lineEnd;
    text += lineEnd + lineEnd;
    for (const QString &row : rows)
        text += row + lineEnd;
    return text;
}
