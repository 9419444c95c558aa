// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/tutor.h"

#include "trainer_frame/demonstration.h"
#include "trainer_frame/trainer_model.h"

Tutor::Tutor(TrainerModel &model)
    : m_model(model)
{
    m_timer.setInterval(demonstrationPace);
    connect(&m_timer, &QTimer::timeout, this, &Tutor::demonstrateNextStep);
}

void Tutor::setHelpShown(bool shown)
{
    if (m_helpShown == shown)
        return;
    stopDemonstration();
    m_helpShown = shown;
    clear();
    emit changed();
}

void Tutor::setDemonstrationPace(int milliseconds)
{
    m_timer.setInterval(milliseconds);
}

void Tutor::show(int cell, const QString &text, const QList<CalculationStep> &feeding, bool offer)
{
    m_hint = text;
    m_hintCell = cell;
    m_offer = offer;
    m_lit.clear();
    for (const CalculationStep &step : feeding)
        if (const int lit = m_model.cellOfStep(step); lit >= 0 && lit != cell)
            m_lit.append(lit);
}

void Tutor::showRung(int cell, const DigitQuestion &question, const HintLadder::Climb &climb, ErrorKind error,
                     int written)
{
    show(cell, hintText(question, climb.rung, error, written, climb.guessing), feedingSteps(question), climb.guessing);
    m_record.hintShown();
}

void Tutor::clear()
{
    m_hint.clear();
    m_hintCell = -1;
    m_lit.clear();
    m_offer = false;
}

void Tutor::digitChecked(const DigitQuestion &question, int cell, int digit, bool right)
{
    if (right) {
        m_record.rightDigit();
        clear();
        return;
    }
    const ErrorKind error = diagnose(question, digit);
    m_record.wrongDigit(error, errorExample(question, digit));
    const HintLadder::Climb climb = m_ladder.afterWrongDigit(cell, digit);
    if (m_helpShown)
        showRung(cell, question, climb, error, digit);
}

void Tutor::askForHint(int cell)
{
    if (!m_helpShown)
        return;
    stopDemonstration();
    if (!m_model.takesDigit(cell))
        cell = m_model.firstToWrite();
    if (cell < 0)
        return;
    showRung(cell, m_model.question(cell), m_ladder.afterAsking(cell), ErrorKind::Other, -1);
    emit changed();
}

void Tutor::demonstrate()
{
    if (!m_helpShown || demonstrating())
        return;
    m_demonstrated = m_model.writingCells();
    if (m_demonstrated.isEmpty())
        return;
    m_record.demonstrationStarted();
    for (int cell : m_demonstrated)
        m_model.writeForDemonstration(cell, CellDigit());
    m_step = 0;
    demonstrateNextStep();
    m_timer.start();
}

void Tutor::demonstrateNextStep()
{
    if (!demonstrating())
        return;
    if (m_step < m_demonstrated.size()) {
        const int cell = m_demonstrated.at(m_step++);
        const DigitQuestion question = m_model.question(cell);
        m_model.writeForDemonstration(cell, m_model.expectedDigit(cell));
        QList<CalculationStep> feeding = feedingSteps(question);
        show(-1, demonstrationSentence(question), feeding << question.step, false);
    } else if (m_step++ == m_demonstrated.size()) {
        show(-1, demonstrationEnd(m_model.written()), {}, false);
    } else {
        end();
        return;
    }
    emit changed();
}

void Tutor::stopDemonstration()
{
    if (demonstrating())
        end();
}

// The task written for the pupil was not the pupil's: a fresh one of the same kind.
void Tutor::end()
{
    m_timer.stop();
    m_step = -1;
    m_model.activate();
}

void Tutor::tasksChanged()
{
    if (demonstrating()) {
        m_timer.stop();
        m_step = -1;
    }
    m_ladder.clear();
    clear();
}
