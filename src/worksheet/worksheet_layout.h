// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "worksheet/sheet_kind.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// The printed task sheet leaves the answers out; the solution sheet keeps them.
enum class SheetSide { Tasks, Solutions };

// What one row of a worksheet block holds.
enum class RowKind {
    Blank,          // " ", never the empty text
    Task,           // the task cells, e.g. 456*78
    Ruler,          // one dash group per task
    PartialProduct, // multiplicand times one multiplier digit at its place
    Result,         // the full product
};

struct RowSpec {
    RowKind kind = RowKind::Blank;
    int place = 0; // PartialProduct: place of the multiplier digit (0 ones, 1 tens, 2 hundreds)
};

// Blocks of one shape standing one after the other on a sheet.
struct BlockGroup {
    int blankRowsBefore = 0;
    int blocks = 0;
    int tasksPerRow = 0;
    int multiplicandFrom = 0;
    int multiplicandTo = 0;
    int multiplierDigits = 0;
    int multiplierScale = 1; // single-row tens and hundreds tasks multiply by m·10 and m·100
    int cellWidth = 0;
    int separatorWidth = 0;
    QList<RowSpec> rows;

    static constexpr int digitFrom = 2; // multiplier digits are never 0 or 1
    static constexpr int digitTo = 9;

    int rowCount() const { return blankRowsBefore + blocks * int(rows.size()); }
    QString separator() const { return QString(separatorWidth, QLatin1Char(' ')); }
    QString rulerCell() const { return QString(cellWidth, QLatin1Char('-')); }
};

// One trainer's worksheet: its blocks, and the texts its printouts carry.
struct WorksheetLayout {
    SheetKind kind = SheetKind::SingleRow;
    QString messageTitle;
    QChar answerLineChar;
    int emptyLinesAboveHeading = 0;
    int emptyLinesBelowHeading = 0;
    QList<BlockGroup> groups;

    static const WorksheetLayout &of(SheetKind kind);

    int rowCount() const;
    // Rows holding products, which the task sheet and the clipboard's task part leave out.
    QList<int> answerRows() const;
    bool isAnswerRow(int row) const;
    // The line the pupil writes the answer on; null for rows that are no answer rows.
    QString answerLineForRow(int row) const;

    QString heading(SheetSide side) const;
    QStringList linesBeforeRows(SheetSide side) const;
};

inline const QString blankWorksheetRow = QStringLiteral(" ");
