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
