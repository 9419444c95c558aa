// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/worksheet_layout.h"

namespace {

const QList<RowSpec> singleRowBlock{
    {RowKind::Task}, {RowKind::Ruler}, {RowKind::Result}, {RowKind::Blank}, {RowKind::Blank},
};

const QList<RowSpec> twoRowBlock{
    {RowKind::Blank},
    {RowKind::Task},
    {RowKind::Ruler},
    {RowKind::PartialProduct, 1},
    {RowKind::PartialProduct, 0},
    {RowKind::Ruler},
    {RowKind::Result},
    {RowKind::Blank},
};

const QList<RowSpec> threeRowBlock{
    {RowKind::Blank},
    {RowKind::Task},
    {RowKind::Ruler},
    {RowKind::PartialProduct, 2},
    {RowKind::PartialProduct, 1},
    {RowKind::PartialProduct, 0},
    {RowKind::Ruler},
    {RowKind::Result},
    {RowKind::Blank},
};

WorksheetLayout singleRowLayout()
{
    WorksheetLayout layout;
    layout.kind = SheetKind::SingleRow;
    layout.messageTitle = QStringLiteral("Einreihige Multiplikation");
    layout.answerLineChar = QLatin1Char('_');
    layout.emptyLinesAboveHeading = 1;
    layout.emptyLinesBelowHeading = 2;
    layout.groups = {
        {0, 3, 6, 100, 999, 1, 1, 5, 3, singleRowBlock},
        {1, 2, 6, 100, 999, 1, 10, 6, 2, singleRowBlock},
        {1, 2, 5, 100, 999, 1, 100, 7, 3, singleRowBlock},
    };
    return layout;
}

WorksheetLayout twoRowLayout()
{
    WorksheetLayout layout;
    layout.kind = SheetKind::TwoRow;
    layout.messageTitle = QStringLiteral("Zweireihige Multiplikation");
    layout.answerLineChar = QLatin1Char('.');
    layout.emptyLinesAboveHeading = 0;
    layout.emptyLinesBelowHeading = 1;
    layout.groups = {
        {0, 3, 6, 100, 999, 2, 1, 6, 2, twoRowBlock},
        {0, 2, 4, 1000, 9999, 2, 1, 7, 6, twoRowBlock},
    };
    return layout;
}

WorksheetLayout threeRowLayout()
{
    WorksheetLayout layout;
    layout.kind = SheetKind::ThreeRow;
    layout.messageTitle = QStringLiteral("Dreireihige Multiplikation");
    layout.answerLineChar = QLatin1Char('.');
    layout.emptyLinesAboveHeading = 1;
    layout.emptyLinesBelowHeading = 2;
    layout.groups = {
        {0, 4, 4, 100, 999, 3, 1, 7, 5, threeRowBlock},
    };
    return layout;
}

bool holdsAnswer(const RowSpec &spec)
{
    return spec.kind == RowKind::PartialProduct || spec.kind == RowKind::Result;
}

QString answerLine(const BlockGroup &group, QChar lineChar)
{
    QStringList cells;
    for (int task = 0; task < group.tasksPerRow; ++task)
        cells.append(QString(group.cellWidth, lineChar));
    return cells.join(group.separator());
}

} // namespace

const WorksheetLayout &WorksheetLayout::of(SheetKind kind)
{
    static const WorksheetLayout singleRow = singleRowLayout();
    static const WorksheetLayout twoRow = twoRowLayout();
    static const WorksheetLayout threeRow = threeRowLayout();
    switch (kind) {
    case SheetKind::SingleRow:
        return singleRow;
    case SheetKind::TwoRow:
        return twoRow;
    case SheetKind::ThreeRow:
        return threeRow;
    }
    return singleRow;
}

int WorksheetLayout::rowCount() const
{
    int count = 0;
    for (const BlockGroup &group : groups)
        count += group.rowCount();
    return count;
}

QString WorksheetLayout::answerLineForRow(int row) const
{
    int first = 0;
    for (const BlockGroup &group : groups) {
        const int offset = row - first - group.blankRowsBefore;
        if (row < first + group.rowCount()) {
            if (offset < 0)
                return {};
            const RowSpec &spec = group.rows.at(offset % group.rows.size());
            return holdsAnswer(spec) ? answerLine(group, answerLineChar) : QString();
        }
        first += group.rowCount();
    }
    return {};
}

bool WorksheetLayout::isAnswerRow(int row) const
{
    return !answerLineForRow(row).isNull();
}

QList<int> WorksheetLayout::answerRows() const
{
    QList<int> rows;
    for (int row = 0; row < rowCount(); ++row) {
        if (isAnswerRow(row))
            rows.append(row);
    }
    return rows;
}

QString WorksheetLayout::heading(SheetSide side) const
{
    return side == SheetSide::Tasks ? messageTitle + QStringLiteral(" (Rechenblatt)")
                                    : messageTitle + QStringLiteral(" (Lösungsblatt)");
}

QStringList WorksheetLayout::linesBeforeRows(SheetSide side) const
{
    QStringList lines;
    for (int i = 0; i < emptyLinesAboveHeading; ++i)
        lines.append(QString());
    lines.append(heading(side));
    for (int i = 0; i < emptyLinesBelowHeading; ++i)
        lines.append(QString());
    return lines;
}
