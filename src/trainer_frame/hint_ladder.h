// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/error_diagnosis.h"

#include <QHash>
#include <QList>
#include <QString>

// The three rungs of help at a field: where to look, the worked step with its
// numbers, the digit to write.
enum class Rung { Look = 1, WorkedStep, Digit };

// A hint's text, "Tipp: …". The first rung follows the error made (`written`
// the wrong digit, -1 when the pupil asked before any); with `offerDemonstration`
// it also points to "Vormachen".
QString hintText(const DigitQuestion &question, Rung rung, ErrorKind error = ErrorKind::Other, int written = -1,
                 bool offerDemonstration = false);
// The steps whose digits go into the field asked for (and the carry), to be lit while a hint stands.
QList<CalculationStep> feedingSteps(const DigitQuestion &question);

// How far up the rungs each field of a task has come: one rung for every wrong
// digit and every "Tipp". Three different wrong digits at one field are
// guessing, met with the offer to watch the task done.
class HintLadder {
public:
    struct Climb {
        Rung rung = Rung::Look;
        bool guessing = false;
    };
    Climb afterWrongDigit(int field, int digit);
    Climb afterAsking(int field);
    void clear() { m_fields.clear(); }

    static constexpr int guessingDigits = 3;

private:
    struct Field {
        int rung = 0;
        QList<int> wrongDigits;
    };
    QHash<int, Field> m_fields;
};
