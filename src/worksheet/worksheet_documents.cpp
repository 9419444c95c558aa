#include "worksheet/worksheet_documents.h"

namespace {
const QString lineEnd = QStringLiteral("\r\n");
} // namespace

PrintDocument WorksheetDocuments::sheetDocument(SheetKind kind, SheetSide side,
                                                const QStringList &rows)
{
    const WorksheetLayout &layout = WorksheetLayout::of(kind);
    PrintDocument document;
    document.fontFamily = printFontFamily;
    document.pointSize = printPointSize;
    document.lines = layout.linesBeforeRows(side);
    for (int row = 0; row < rows.size(); ++row) {
        const QString answerLine = layout.answerLineForRow(row);
        document.lines.append(side == SheetSide::Tasks && !answerLine.isNull() ? answerLine
                                                                               : rows.at(row));
    }
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
