// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/trainer_design.h"

TrainerDesign::TrainerDesign(int columns, QStringList rowTitles, QList<TrainerCell> cells,
                             const QList<CellPlace> &writingOrder)
    : m_columns(columns)
    , m_rowTitles(std::move(rowTitles))
    , m_cells(std::move(cells))
{
    for (const CellPlace &place : writingOrder) {
        m_writingOrder.append(indexAt(place));
        Q_ASSERT(m_writingOrder.last() >= 0 && takesDrops(m_writingOrder.last()));
    }
}

QString TrainerDesign::rowTitle(int index) const
{
    const int row = m_cells.at(index).row;
    return row > 0 ? m_rowTitles.value(row - 1) : QStringLiteral("%1. Faktor").arg(factorOf(index));
}

int TrainerDesign::factorOf(int index) const
{
    const TrainerCell &c = m_cells.at(index);
    if (c.row > 0)
        return 0;
    // The first factor stands left of the multiplication dot.
    for (const TrainerCell &dot : m_cells)
        if (dot.view == c.view && dot.role == CellRole::Dot)
            return c.column > dot.column ? 1 : 2;
    return 0;
}

int TrainerDesign::indexAt(const CellPlace &place) const
{
    for (int i = 0; i < size(); ++i)
        if (m_cells.at(i).where() == place && holdsDigit(i))
            return i;
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
