// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/error_diagnosis.h"
#include "trainer_frame/hint_ladder.h"
#include "trainer_frame/learning_record.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class TrainerModel;

// The help a trainer gives, on top of its check: after the message about a
// wrong digit a hint for that field, one rung higher each time; "Tipp" for the
// field in focus; "Vormachen", which writes the task in sight digit by digit
// with a sentence for each and then gives a fresh one; the digits that feed
// a field lit meanwhile; and the record of it all for the teacher. While help
// is not shown, none of it is seen, only the record goes on.
class Tutor : public QObject {
    Q_OBJECT
public:
    explicit Tutor(TrainerModel &model);

    void setHelpShown(bool shown);
    bool helpShown() const { return m_helpShown; }

    // What stands in the help strip: a hint ("Tipp: …") or a demonstrated step, else nothing.
    const QString &hint() const { return m_hint; }
    // The field the hint is about, -1 when none.
    int hintCell() const { return m_hintCell; }
    // The cells whose digits feed the field, lit while the hint stands.
    bool isLit(int cell) const { return m_helpShown && m_lit.contains(cell); }
    // After guessing the pupil is offered to watch the task done.
    bool offersDemonstration() const { return m_helpShown && m_offer; }
    bool demonstrating() const { return m_step >= 0; }
    const LearningRecord &record() const { return m_record; }

    // "Tipp": the next rung for a field; with none given, for the first one to write.
    void askForHint(int cell);
    // "Vormachen": the task in sight written from its start, one digit each pace.
    void demonstrate();
    // A command, a digit or leaving ends a demonstration: a fresh task follows.
    void stopDemonstration();
    // The next digit written, or the end said, or the fresh task given.
    void demonstrateNextStep();
    static constexpr int demonstrationPace = 1500; // milliseconds a digit
    void setDemonstrationPace(int milliseconds);

    // Told by the model: a digit was checked (after the message about a wrong one),
    // a task was solved, the cells in sight changed.
    void digitChecked(const DigitQuestion &question, int cell, int digit, bool right);
    void taskSolved() { m_record.taskSolved(); }
    void tasksChanged();

signals:
    void changed();

private:
    void show(int cell, const QString &text, const QList<CalculationStep> &feeding, bool offer);
    void showRung(int cell, const DigitQuestion &question, const HintLadder::Climb &climb, ErrorKind error,
                  int written);
    void clear();
    void end();

    TrainerModel &m_model;
    HintLadder m_ladder;
    LearningRecord m_record;
    QTimer m_timer;
    bool m_helpShown = true;
    QString m_hint;
    int m_hintCell = -1;
    QList<int> m_lit;
    bool m_offer = false;
    QList<int> m_demonstrated; // the cells a demonstration writes, in writing order
    int m_step = -1;           // the next of them, -1 while none runs
};
