// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/trainer_design.h"

TrainerDesign::TrainerDesign(int columns, int rows, QList<TrainerCell> cells)
    : m_columns(columns)
    , m_rows(rows)
    , m_cells(std::move(cells))
{
}

int TrainerDesign::indexOf(const QString &name) const
{
    for (int i = 0; i < size(); ++i)
        if (m_cells.at(i).name == name)
            return i;
    return -1;
}

int TrainerDesign::indexAt(TrainerView view, int row, int column) const
{
    for (int i = 0; i < size(); ++i) {
        const TrainerCell &c = m_cells.at(i);
        if (c.view == view && c.row == row && c.column == column && holdsDigit(i))
            return i;
    }
    return -1;
}

bool TrainerDesign::holdsDigit(int index) const
{
    const CellRole role = m_cells.at(index).role;
    return role != CellRole::Dot && role != CellRole::Rule;
}

bool TrainerDesign::takesDrops(int index) const
{
    const TrainerCell &c = m_cells.at(index);
    if (c.view == TrainerView::GapPanel)
        return c.role == CellRole::Gap;
    return c.role == CellRole::Carry || c.role == CellRole::Answer || c.role == CellRole::PlaceZero
        || c.role == CellRole::BroughtDownZero;
}

bool TrainerDesign::countsForSolution(int index) const
{
    const CellRole role = m_cells.at(index).role;
    return takesDrops(index)
        && (role == CellRole::Answer || role == CellRole::PlaceZero || role == CellRole::Gap);
}

int digitInColumn(qint64 value, int column)
{
    if (column < 1)
        return -1;
    for (int c = 1; c < column; ++c)
        value /= 10;
    return value > 0 || column == 1 ? int(value % 10) : -1;
}
