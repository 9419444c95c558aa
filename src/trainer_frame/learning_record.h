// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"
#include "trainer_frame/error_diagnosis.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// What a pupil did in one trainer since the program started, for the
// teacher: tasks solved, digits right and wrong, the wrong ones by kind with
// the first of each as an example, and the help used. Nothing is kept beyond the run.
class LearningRecord {
public:
    struct Kind {
        int count = 0;
        QString example; // "1234 · 3: Zehner 9 statt 0"
    };

    void rightDigit() { ++m_right; }
    void wrongDigit(ErrorKind kind, const QString &example);
    void taskSolved() { ++m_solved; }
    void hintShown() { ++m_hints; }
    void demonstrationStarted() { ++m_demonstrations; }

    int solvedTasks() const { return m_solved; }
    int rightDigits() const { return m_right; }
    int wrongDigits() const { return m_wrong; }
    const Kind &kind(ErrorKind kind) const { return m_kinds.at(int(kind)); }
    int hints() const { return m_hints; }
    int demonstrations() const { return m_demonstrations; }

    // The trainer's part of the report, under its title.
    QStringList reportLines(const QString &title) const;

private:
    int m_solved = 0;
    int m_right = 0;
    int m_wrong = 0;
    int m_hints = 0;
    int m_demonstrations = 0;
    std::array<Kind, errorKindCount> m_kinds;
};

// The report of every trainer, as shown, copied and printed.
namespace LearningReport {
struct Entry {
    QString title; // "Einreihige Multiplikation"
    const LearningRecord *record = nullptr; // none while the trainer was not opened
};
QStringList lines(const QList<Entry> &entries);
// Printed in a fixed-pitch face, each trainer's part kept on one page.
PrintDocument document(const QList<Entry> &entries);
// The lines with CR LF after each, for the clipboard.
QString clipboardText(const QList<Entry> &entries);
// The right digits of all trainers: the password for printing the report.
int rightDigits(const QList<Entry> &entries);
inline const QString title = QStringLiteral("Lernstand");
} // namespace LearningReport
