// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_multi/multi_row_trainer_model.h"

MultiRowTrainerModel::MultiRowTrainerModel(const MultiRowDesign &design, Platform &platform,
                                           RandomSource &random, QObject *parent)
    : TrainerModel(design.cells(), platform, random, true, parent)
    , m_rowDesign(design)
{
}

QString MultiRowTrainerModel::layoutCaption() const
{
    return m_staircase ? QStringLiteral("Bündig") : QStringLiteral("Treppe");
}

// Right of the dot the multiplier, left of it the multiplicand; under them
// the product rows, each with the zeros of its place, and the sum.
CalculationStep MultiRowTrainerModel::stepOf(int cell) const
{
    const TrainerCell &c = design().cell(cell);
    const int rows = m_rowDesign.multiplierDigits();
    const int dot = rows + 1;
    if (!design().holdsDigit(cell))
        return {};
    if (c.row == 0)
        return c.column > dot ? CalculationStep::multiplicandDigit(c.column - dot - 1)
                              : CalculationStep::multiplierDigit(c.column - 1);
    if (c.row <= rows)
        return CalculationStep::inRow(m_task.written(), c.row - 1, c.column);
    return CalculationStep::sumDigit(c.column);
}

void MultiRowTrainerModel::drawTask()
{
    m_task = MultiRowTask::draw(m_rowDesign.multiplierDigits(), m_random);
}

void MultiRowTrainerModel::chooseNormal()
{
    bringIntoSight(TrainerView::Normal);
    newNormalTask();
}

void MultiRowTrainerModel::chooseGaps()
{
    bringIntoSight(TrainerView::GapPanel);
    newGapTask();
}

// The zeros of the shifted partial products show in the flush layout only; a
// hidden zero keeps its text for when it shows again.
void MultiRowTrainerModel::toggleRowLayout()
{
    m_staircase = !m_staircase;
    for (int i = 0; i < design().size(); ++i)
        if (design().cell(i).role == CellRole::PlaceZero)
            setVisible(i, !m_staircase);
    rearrange();
}
