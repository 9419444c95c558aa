// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rewards/points_and_progress.h"

#include <QString>

class Platform;

// What every trainer counts and says in the same way: one point per right
// digit, one error per wrong one, one rocket step per solved task, and the
// messages that go with them. Each trainer window has its own.
class TrainerScore {
public:
    // The multi-row trainers announce the catching game before it starts.
    explicit TrainerScore(bool announcesCatchGame = false);

    const PointsAndProgress &rewards() const { return m_rewards; }
    int errors() const { return m_errors; }

    void addPoint() { m_rewards.addPoint(); }
    // The wrong-digit message, then one more error.
    void reportWrongDigit(Platform &platform);
    // The solved message, then one rocket step.
    void announceSolved(Platform &platform, const QString &title);
    void showHelp(Platform &platform);
    void takeCatchInvitation();
    // Before the catching game some trainers say that a reward follows.
    void announceCatchGame(Platform &platform);
    void takeMemoryInvitation();

    static QString wrongDigitText();
    static QString solvedText();
    static QString helpText();
    static QString catchAnnouncementText();
    static inline const QString wrongDigitTitle = QStringLiteral("Fehler");
    static inline const QString normalTaskTitle = QStringLiteral("Malaufgabe");
    static inline const QString gapTaskTitle = QStringLiteral("Lückenaufgabe");
    static inline const QString helpTitle = QStringLiteral("Hilfe");
    static inline const QString catchAnnouncementTitle = QStringLiteral("Zahlfange");

private:
    PointsAndProgress m_rewards;
    int m_errors = 0;
    bool m_announcesCatchGame = false;
};
