// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/drawn_document.h"
#include "worksheet/karoblatt_layout.h"
#include "worksheet/karoblatt_options.h"
#include "worksheet/karoblatt_rules.h"
#include "worksheet/sheet_kind.h"
#include "worksheet/worksheet_layout.h"

#include <QList>
#include <QString>

class Platform;
class RandomSource;

// A trainer's squared-paper sheet: the teacher's choices, the tasks drawn for
// them and the pages both sheets print. The drawn tasks stay until a choice of
// the draw changes or fresh ones are asked for, so the solution sheet printed
// after the task sheet solves the same tasks.
class Karoblatt {
public:
    // The clock re-seeds the random source before each draw.
    Karoblatt(SheetKind kind, RandomSource &random, Platform &clock, bool staircase = false);

    SheetKind kind() const { return m_kind; }
    const KaroblattRules &rules() const { return KaroblattRules::of(m_kind); }
    const KaroblattOptions &options() const { return m_options; }
    // Numbers out of range are brought into it; a one-row sheet keeps one kind at least.
    void setOptions(KaroblattOptions options);
    void drawAnew();

    // Why the sheet cannot be printed as chosen (an own task refused); empty when it can.
    const QString &refusal() const { return m_refusal; }
    // The teacher's own tasks first, then drawn ones, as many as chosen.
    const QList<SheetTask> &tasks() const { return m_tasks; }
    QList<SheetPage> pages() const;
    DrawnDocument document(SheetSide side) const;
    // How much the sheet holds, e.g. "12 Aufgaben auf 1 Seite".
    QString summary() const;

private:
    void compose();

    SheetKind m_kind;
    RandomSource &m_random;
    Platform &m_clock;
    KaroblattOptions m_options;
    QList<WrittenMultiplication> m_drawn;
    QList<SheetTask> m_tasks;
    QString m_refusal;
};
