// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/points_and_progress.h"

void PointsAndProgress::addPoint()
{
    ++m_points;
    if (m_points % catchEvery == 0)
        m_catchInvitation = true;
}

void PointsAndProgress::advanceProgress()
{
    // Not clamped: an ignored invitation lets the rocket climb on past the moon.
    ++m_rocketSteps;
    if (m_rocketSteps >= stepsToMoon)
        m_memoryInvitation = true;
}

void PointsAndProgress::takeCatchInvitation()
{
    m_catchInvitation = false;
}

void PointsAndProgress::takeMemoryInvitation()
{
    m_memoryInvitation = false;
    m_rocketSteps = 0;
}
