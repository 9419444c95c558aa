// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A trainer's reward bookkeeping: one point per right digit (the catching game
// is offered at every 50th), one rocket step per solved task (the memory game
// is offered once the rocket reaches the moon).
class PointsAndProgress {
public:
    static constexpr int catchEvery = 50;
    // Solved tasks that take the rocket from its start to the moon.
    static constexpr int stepsToMoon = 18;

    int points() const { return m_points; }
    QString pointsText() const { return QString::number(m_points); }
    // The rocket's steps up from its start, one per solved task.
    int rocketSteps() const { return m_rocketSteps; }
    bool catchInvitationShown() const { return m_catchInvitation; }
    bool memoryInvitationShown() const { return m_memoryInvitation; }

    void addPoint();
    void advanceProgress();
    // The invitation was clicked: it disappears; the memory game also sends the rocket back.
    void takeCatchInvitation();
    void takeMemoryInvitation();

private:
    int m_points = 0;
    int m_rocketSteps = 0;
    bool m_catchInvitation = false;
    bool m_memoryInvitation = false;
};
