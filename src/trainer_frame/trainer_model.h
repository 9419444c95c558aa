// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/calculation_step.h"
#include "trainer_frame/error_diagnosis.h"
#include "trainer_frame/trainer_design.h"
#include "trainer_frame/trainer_score.h"
#include "trainer_frame/tutor.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class Platform;
class RandomSource;

// What a cell holds: a digit 0 to 9, or nothing.
using CellDigit = std::optional<int>;
// The digit as it is shown and read, the empty text for nothing.
inline QString digitText(const CellDigit &digit)
{
    return digit ? QString::number(*digit) : QString();
}

// What became of a digit put into a cell.
enum class DropOutcome { Refused, Right, Wrong, Solved };
// The ways the arrow keys move from a cell.
enum class Move { Left, Right, Up, Down };

// The model of every trainer: the digits and visibility of its cells, gap
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

    // A digit put into a cell, by a dragged or tapped tile or by a key. It
    // shows at once (also while a wrong one is reported), earns a point when
    // it is the expected one and is taken away again when it is not; then the
    // task may be solved. A cell takes only a digit, only while it is shown
    // and its view is in sight.
    DropOutcome dropDigit(int cell, int digit);
    // Whether a cell takes a digit now: one a pupil writes, shown, in the view in sight.
    bool takesDigit(int cell) const;
    // The digit a cell expects at this moment; none before the first task.
    virtual CellDigit expectedDigit(int cell) const;

    CellDigit digit(int cell) const { return m_digits.value(cell); }
    bool isVisible(int cell) const { return m_visible.value(cell); }
    // A cell the current gap task left empty for the pupil.
    bool isOpenGap(int cell) const { return m_openGaps.value(cell); }
    // Gap mode: the gap panel is in sight and takes the drops.
    bool gapMode() const { return m_inSight == TrainerView::GapPanel; }
    const PointsAndProgress &rewards() const { return m_score.rewards(); }
    int errors() const { return m_score.errors(); }

    // The cells the pupil writes in the view in sight, in writing order: shown
    // and taking drops; in a gap task its gaps.
    QList<int> writingCells() const;
    // Where writing starts: the first empty writing cell, else the first; -1 when there is none.
    int firstToWrite() const;
    // The next empty writing cell after `cell`, round to the start; -1 when none is empty.
    int nextToWrite(int cell) const;
    // The writing cell next to `cell` that way: in its row, else in the nearest
    // row with one, nearest by column; `cell` itself when there is none.
    int neighbour(int cell, Move move) const;

    // What a screen reader says for a cell: its row, its place and what it holds,
    // as in "Ergebnis, Zehner: 5" or "Lücke, Summe, Einer: leer".
    QString cellName(int cell) const;
    // What a view's task asks, as in "Malaufgabe: 1234 mal 30".
    QString taskText(TrainerView view) const;

    // What a cell is in the written calculation of its view's task.
    virtual CalculationStep stepOf(int cell) const = 0;
    // The calculation of the task in sight, from which every checked digit comes.
    virtual WrittenMultiplication written() const = 0;
    // A cell of the view in sight as the help sees it: its step, the digit the
    // check expects, and what the pupil wrote that the check counts.
    DigitQuestion question(int cell) const;
    // The shown cell of the view in sight that holds a step, -1 where none does.
    int cellOfStep(const CalculationStep &step) const;
    // A digit written for the pupil by a demonstration: no check, no point, no error.
    void writeForDemonstration(int cell, CellDigit digit);

    Tutor &tutor() { return m_tutor; }
    const Tutor &tutor() const { return m_tutor; }

signals:
    void changed();
    // The cells in sight are new or stand elsewhere (a new task, another view,
    // another row layout): writing starts again at the first empty cell.
    void rearranged();
    void leaveRequested();

protected:
    void newNormalTask();
    void newGapTask();
    void bringIntoSight(TrainerView view) { m_inSight = view; }
    // Shown and hidden cells changed place: tell the windows.
    void rearrange();
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
    // The place value a cell's digit has in the task shown.
    virtual int placeOf(int cell) const { return m_design.cell(cell).place; }

    Platform &m_platform;
    RandomSource &m_random;

private:
    // Every digit cell of a view empty, then the rows up to `lastRow` written.
    void writeTask(TrainerView view, int lastRow);
    bool isSolved(TrainerView view) const;

    const TrainerDesign &m_design;
    TrainerScore m_score;
    QList<CellDigit> m_digits;
    QList<bool> m_visible;
    QList<bool> m_openGaps;
    Tutor m_tutor{*this};
    TrainerView m_inSight = TrainerView::Normal;
    bool m_hasTask = false;
    TrainerView m_taskView = TrainerView::Normal;
};
