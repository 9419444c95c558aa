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
    static constexpr int rocketStartTop = 4680; // twips
    static constexpr int rocketStep = 240;
    static constexpr int rocketGoalTop = 360;

    int points() const { return m_points; }
    QString pointsText() const { return QString::number(m_points); }
    int rocketTop() const { return m_rocketTop; }
    bool catchInvitationShown() const { return m_catchInvitation; }
    bool memoryInvitationShown() const { return m_memoryInvitation; }

    void addPoint();
    void advanceProgress();
    // The invitation was clicked: it disappears; the memory game also sends the rocket back.
    void takeCatchInvitation();
    void takeMemoryInvitation();

private:
    int m_points = 0;
    int m_rocketTop = rocketStartTop;
    bool m_catchInvitation = false;
    bool m_memoryInvitation = false;
};
