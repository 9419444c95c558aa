// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/trainer_design.h"
#include "trainer_frame/trainer_score.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class Platform;
class RandomSource;

// The model of every trainer: the texts and visibility of its cells, gap
// mode, the drop of a digit with its check, the solved test, the counters and
// the commands all trainers share. A trainer supplies its design, its draws,
// the digits of its finished calculation and what it shows for a task.
class TrainerModel : public QObject {
    Q_OBJECT
public:
    TrainerModel(const TrainerDesign &design, Platform &platform, RandomSource &random,
                 bool announcesCatchGame, QObject *parent = nullptr);

    const TrainerDesign &design() const { return m_design; }

    // The pupil came to work here (first show, back from the menu or a game):
    // a fresh task of the current mode.
    void activate();
    void showHelp();     // "Hilfe"
    void leave();        // "Ende" and the close box: gap mode ends, no task is made
    void takeCatchInvitation();
    void takeMemoryInvitation();

    // A digit tile dropped on a cell. It shows at once (also while a wrong one
    // is reported), earns a point when it is the expected one and is taken
    // away again when it is not; then the task may be solved. A cell takes
    // only a digit, only while it is shown and its view is in sight.
    void dropDigit(int cell, const QString &digit);
    // The digit a cell expects at this moment; empty before the first task.
    virtual QString expectedDigit(int cell) const;

    QString text(int cell) const { return m_texts.value(cell); }
    bool isVisible(int cell) const { return m_visible.value(cell); }
    // A cell the current gap task left empty for the pupil.
    bool isOpenGap(int cell) const { return m_openGaps.value(cell); }
    // Gap mode: the gap panel is in sight and takes the drops.
    bool gapMode() const { return m_inSight == TrainerView::GapPanel; }
    const PointsAndProgress &rewards() const { return m_score.rewards(); }
    int errors() const { return m_score.errors(); }

    // The expected numbers of the task, as the hidden key lists hold them.
    virtual QStringList keyListA() const = 0;
    virtual QStringList keyListB() const = 0;

signals:
    void changed();
    void leaveRequested();

protected:
    void newNormalTask();
    void newGapTask();
    void bringIntoSight(TrainerView view) { m_inSight = view; }
    bool hasTask() const { return m_hasTask; }
    bool showsGapTask() const { return m_hasTask && m_taskView == TrainerView::GapPanel; }
    void setVisible(int cell, bool visible) { m_visible[cell] = visible; }

    // Draws the digits of a new task (the clock has just re-seeded the draws).
    virtual void drawTask() = 0;
    // The digit the finished calculation shows at a place, -1 where it shows none.
    virtual int solutionDigit(int row, int column) const = 0;
    // A task was written into a view: show and hide what depends on it.
    virtual void taskDrawn(TrainerView view) = 0;
    // The cells a new gap task leaves empty.
    virtual QList<int> gapsToOpen() = 0;

    Platform &m_platform;
    RandomSource &m_random;

private:
    static bool isDigitText(const QString &text);
    // Every digit cell of a view empty, then the rows up to `lastRow` written.
    void writeTask(TrainerView view, int lastRow);
    bool isSolved(TrainerView view) const;

    const TrainerDesign &m_design;
    TrainerScore m_score;
    QStringList m_texts;
    QList<bool> m_visible;
    QList<bool> m_openGaps;
    TrainerView m_inSight = TrainerView::Normal;
    bool m_hasTask = false;
    TrainerView m_taskView = TrainerView::Normal;
};
