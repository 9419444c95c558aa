// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/trainer_model.h"

#include "shell/platform.h"

TrainerModel::TrainerModel(Platform &platform, RandomSource &random, bool announcesCatchGame,
                           QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_random(random)
    , m_score(announcesCatchGame)
{
}

bool TrainerModel::isDigitText(const QString &text)
{
    return text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
}

void TrainerModel::activate()
{
    if (m_gapMode)
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
    m_gapMode = false;
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

bool TrainerModel::judgeDrop(const std::function<void(const QString &)> &showInField,
                             const QString &digit, const QString &expected)
{
    showInField(digit);
    emit changed();
    const bool right = digit == expected;
    if (right) {
        m_score.addPoint();
    } else {
        m_score.reportWrongDigit(m_platform);
        showInField(QString());
    }
    emit changed();
    return right;
}

void TrainerModel::finishNormalTask()
{
    m_score.announceSolved(m_platform, TrainerScore::normalTaskTitle);
    newNormalTask();
}

void TrainerModel::finishGapTask()
{
    m_score.announceSolved(m_platform, TrainerScore::gapTaskTitle);
    newGapTask();
}
