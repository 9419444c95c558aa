// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/window_placement.h"
#include "trainer_frame/learning_record.h"
#include "worksheet/worksheet_commands.h"

#include <QList>
#include <QWidget>
#include <functional>

class Platform;
class PrinterLock;
class QPlainTextEdit;

// The teacher's report (Form5, "Lernstand"): what the pupil did in each
// trainer since the program started, written anew whenever the window comes
// up; "Kopieren" puts it on the clipboard, "Drucken" prints it through the
// printer lock (the password: the right digits of all trainers), "Schließen" hides it.
class LearningReportWindow : public QWidget {
    Q_OBJECT
public:
    using Entries = std::function<QList<LearningReport::Entry>()>;
    LearningReportWindow(Platform &platform, PrinterLock &lock, Entries entries);

    static QString copiedMessage();
    static inline const QString sheetName = QStringLiteral("Lernstandsblatt");

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void refresh();

    Platform &m_platform;
    Entries m_entries;
    WindowPlacement m_placement;
    WorksheetCommands m_commands;
    QPlainTextEdit *m_text = nullptr;
    QString m_shown;
};
