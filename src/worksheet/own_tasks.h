// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "worksheet/karoblatt_rules.h"
#include "worksheet/written_multiplication.h"

#include <QList>
#include <QString>

// The tasks a teacher types for a sheet, or why one of them cannot be on it.
struct OwnTaskReading {
    QList<WrittenMultiplication> tasks;
    QString refusal; // the message naming the first task refused; empty when all are read

    bool accepted() const { return refusal.isEmpty(); }
};

namespace OwnTasks {
// Tasks part at ";", "," and line breaks; "·", "*", "x", "×" and "mal" are
// the sign. A task must be of the trainer's kind: a first factor of two to
// four digits, a second one as the rules say.
OwnTaskReading read(const QString &text, const KaroblattRules &rules);
// The message for a task that cannot be on the sheet, and why.
QString refusal(const QString &task, const QString &reason, const KaroblattRules &rules);
// More own tasks than the sheet has room for.
QString tooMany(int own, int taskCount);
} // namespace OwnTasks
