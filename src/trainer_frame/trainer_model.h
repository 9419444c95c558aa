// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/trainer_score.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class Platform;
class RandomSource;

// What the models of all trainers share: the counters, gap mode, the commands
// every trainer has ("Hilfe", "Ende", the invitations) and the drop protocol.
class TrainerModel : public QObject {
    Q_OBJECT
public:
    TrainerModel(Platform &platform, RandomSource &random, bool announcesCatchGame,
                 QObject *parent = nullptr);

    virtual void newNormalTask() = 0;
    virtual void newGapTask() = 0;
    // The expected numbers of the shown task, as the hidden key lists hold them.
    virtual QStringList keyListA() const = 0;
    virtual QStringList keyListB() const = 0;

    // The pupil came to work here (first show, back from the menu or a game):
    // a fresh task of the current mode.
    void activate();
    void showHelp();     // "Hilfe"
    void leave();        // "Ende" and the close box: gap mode ends, no task is made
    void takeCatchInvitation();
    void takeMemoryInvitation();

    bool gapMode() const { return m_gapMode; }
    const TrainerScore &score() const { return m_score; }
    const PointsAndProgress &rewards() const { return m_score.rewards(); }
    int errors() const { return m_score.errors(); }

    static bool isDigitText(const QString &text);

signals:
    void changed();
    void leaveRequested();

protected:
    // A digit dropped on a field: it shows at once (also while a wrong one is
    // reported), earns a point when it is the expected one, and is taken away
    // again when it is not. Returns whether it was right.
    bool judgeDrop(const std::function<void(const QString &)> &showInField, const QString &digit,
                   const QString &expected);
    // The solved message, a rocket step, then the next task of the same kind.
    void finishNormalTask();
    void finishGapTask();

    Platform &m_platform;
    RandomSource &m_random;
    TrainerScore m_score;
    bool m_gapMode = false;
};
