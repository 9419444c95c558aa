// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/error_diagnosis.h"

#include <QString>
#include <QStringList>

// A task as it is read, "643 · 52", as a written calculation.
inline WrittenMultiplication writtenTask(const QString &task)
{
    const QStringList factors = task.split(QStringLiteral(" · "));
    QList<int> digits[2];
    for (int i = 0; i < 2; ++i)
        for (QChar c : factors.value(i))
            digits[i].append(c.digitValue());
    return WrittenMultiplication(digits[0], digits[1]);
}

// A digit of that task asked for, the finished calculation's digit expected.
inline DigitQuestion askedIn(const QString &task, const CalculationStep &step, bool gap = false)
{
    DigitQuestion question;
    question.calculation = writtenTask(task);
    question.step = step;
    question.expected = step.digitIn(question.calculation);
    question.gap = gap;
    return question;
}
