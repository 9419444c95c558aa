// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The two views of a trainer's calculation: the normal task and the gap panel
// laid over it.
enum class TrainerView { Normal, GapPanel };

// What a cell of a calculation holds.
enum class CellRole {
    TaskDigit,       // a digit of the task row
    MultiplierZero,  // a zero of a tens or hundreds multiplier
    Carry,           // a carried digit: written by the pupil, or given in the gap panel
    Answer,          // a digit of a product the pupil writes
    PlaceZero,       // the zero a shifted partial product carries; follows the row layout
    BroughtDownZero, // a multiplier's zero brought down: earns a point, not needed to finish
    Given,           // a digit the gap panel shows
    Gap,             // a digit of the gap panel that a gap may leave out
    Dot,             // the multiplication dot
    Rule,            // a rule under a row
};

// Where a cell stands: its view, its row (0 the task row, counted downwards)
// and its column, counted from the right (column 1 holds the ones of the result).
struct CellPlace {
    TrainerView view = TrainerView::Normal;
    int row = 0;
    int column = 0;

    friend bool operator==(const CellPlace &, const CellPlace &) = default;
};

struct TrainerCell {
    QString name; // the control's object name
    TrainerView view = TrainerView::Normal;
    int row = 0;
    int column = 0;
    CellRole role = CellRole::Given;
    int place = 0;  // the digit's place value as laid out: 1 the ones, 2 the tens, …
    int span = 1;   // a rule runs under this many columns, from `column` leftwards

    CellPlace where() const { return {view, row, column}; }
};

// Where every cell of a trainer's calculation stands and what it holds: the
// one design every trainer is built from.
class TrainerDesign {
public:
    // `rowTitles` name the rows under the task row, top down, as a teacher
    // names them; `writingOrder` lists the places of the cells that take
    // drops, of both views, in the order a pupil writes them.
    TrainerDesign(int columns, QStringList rowTitles, QList<TrainerCell> cells,
                  const QList<CellPlace> &writingOrder);

    int columns() const { return m_columns; }
    int rows() const { return int(m_rowTitles.size()) + 1; }
    // The row a cell stands in, as a teacher names it: a factor in the task row.
    QString rowTitle(int index) const;
    // 1 or 2 for a cell of the first or second factor, 0 below the task row.
    int factorOf(int index) const;
    const QList<int> &writingOrder() const { return m_writingOrder; }
    int size() const { return int(m_cells.size()); }
    const TrainerCell &cell(int index) const { return m_cells.at(index); }
    const QList<TrainerCell> &cells() const { return m_cells; }
    // The digit cell at a place, -1 where there is none.
    int indexAt(const CellPlace &place) const;
    int indexAt(TrainerView view, int row, int column) const { return indexAt({view, row, column}); }

    // Cells that hold a digit (not the dot or a rule).
    bool holdsDigit(int index) const;
    // Cells a digit is written into.
    bool takesDrops(int index) const;
    // A task is solved once every shown cell that counts holds its digit.
    bool countsForSolution(int index) const;

private:
    int m_columns;
    QStringList m_rowTitles;
    QList<TrainerCell> m_cells;
    QList<int> m_writingOrder;
};
