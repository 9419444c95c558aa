// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/trainer_model.h"

#include "shell/platform.h"
#include "shell/random_source.h"

TrainerModel::TrainerModel(const TrainerDesign &design, Platform &platform, RandomSource &random,
                           bool announcesCatchGame, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_random(random)
    , m_design(design)
    , m_score(announcesCatchGame)
    , m_texts(design.size())
    , m_visible(design.size(), true)
    , m_openGaps(design.size(), false)
{
}

bool TrainerModel::isDigitText(const QString &text)
{
    return text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
}

void TrainerModel::activate()
{
    if (gapMode())
        newGapTask();
    else
        newNormalTask();
}

void TrainerModel::showHelp()
{
    m_score.showHelp(m_platform);
}

void TrainerModel::leave()
{
    m_inSight = TrainerView::Normal;
    emit changed();
    emit leaveRequested();
}

void TrainerModel::takeCatchInvitation()
{
    m_score.takeCatchInvitation();
    emit changed(); // the invitation is gone while a reward is announced
    m_score.announceCatchGame(m_platform);
}

void TrainerModel::takeMemoryInvitation()
{
    m_score.takeMemoryInvitation();
    emit changed();
}

void TrainerModel::writeTask(TrainerView view, int lastRow)
{
    m_random.reseed(m_platform.secondsSinceMidnight());
    drawTask();
    m_hasTask = true;
    m_taskView = view;
    for (int i = 0; i < m_design.size(); ++i) {
        const TrainerCell &cell = m_design.cell(i);
        if (cell.view != view || !m_design.holdsDigit(i))
            continue;
        m_openGaps[i] = false;
        const int digit = cell.row <= lastRow ? solutionDigit(cell.row, cell.column) : -1;
        m_texts[i] = digit < 0 ? QString() : QString::number(digit);
    }
    taskDrawn(view);
}

void TrainerModel::newNormalTask()
{
    writeTask(TrainerView::Normal, 0);
    emit changed();
}

void TrainerModel::newGapTask()
{
    writeTask(TrainerView::GapPanel, m_design.rows() - 1);
    for (int cell : gapsToOpen()) {
        m_texts[cell].clear();
        m_openGaps[cell] = true;
    }
    emit changed();
}

QString TrainerModel::expectedDigit(int cell) const
{
    if (cell < 0 || cell >= m_design.size())
        return {};
    const TrainerCell &c = m_design.cell(cell);
    const int digit = m_hasTask ? solutionDigit(c.row, c.column) : -1;
    return digit < 0 ? QString() : QString::number(digit);
}

void TrainerModel::dropDigit(int cell, const QString &digit)
{
    if (cell < 0 || cell >= m_design.size() || !m_design.takesDrops(cell) || !m_visible.at(cell)
        || !isDigitText(digit))
        return;
    const TrainerView view = m_design.cell(cell).view;
    if (view != m_inSight)
        return;

    m_texts[cell] = digit;
    if (digit == expectedDigit(cell)) {
        m_score.addPoint();
    } else {
        emit changed(); // the wrong digit stays in sight while it is reported
        m_score.reportWrongDigit(m_platform);
        m_texts[cell].clear();
    }
    emit changed();

    if (!isSolved(view))
        return;
    if (view == TrainerView::GapPanel) {
        m_score.announceSolved(m_platform, TrainerScore::gapTaskTitle);
        newGapTask();
    } else {
        m_score.announceSolved(m_platform, TrainerScore::normalTaskTitle);
        newNormalTask();
    }
}

bool TrainerModel::isSolved(TrainerView view) const
{
    if (!m_hasTask || m_taskView != view)
        return false;
    for (int i = 0; i < m_design.size(); ++i) {
        if (m_design.cell(i).view == view && m_design.countsForSolution(i) && m_visible.at(i)
            && m_texts.at(i) != expectedDigit(i))
            return false;
    }
    return true;
}
