// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/window_placement.h"
#include "worksheet/karoblatt.h"

#include <QList>
#include <QWidget>
#include <functional>

class Platform;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class RandomSource;
class WorksheetCommands;

// The teacher's window for a squared-paper sheet of one trainer: the choices
// of the sheet, both print commands, fresh tasks and "Schließen". The
// controls mirror the sheet's choices and hand every change to it; printing
// takes the worksheet's way, through the printer lock.
class KaroblattWindow : public QWidget {
    Q_OBJECT
public:
    KaroblattWindow(QWidget *trainer, SheetKind kind, Platform &platform, RandomSource &random,
                    WorksheetCommands &commands, bool staircase);

    const Karoblatt &sheet() const { return m_sheet; }
    WindowPlacement &placement() { return m_placement; }
    // Shown centred on the screen, in front.
    void open();

    static inline const QString objectName = QStringLiteral("Karoblatt");
    static inline const QString messageTitle = QStringLiteral("Karoblatt");

private:
    QLabel *addLabel(const QString &text, int top, int left = 240, int width = 3000);
    QComboBox *addChoice(const QString &label, const QString &name, const QStringList &entries, int top);
    void addKinds(int top);
    void addCommands(int top);
    void edit(const std::function<void(KaroblattOptions &)> &change);
    void mirror();
    void print(SheetSide side);

    Platform &m_platform;
    WindowPlacement m_placement;
    WorksheetCommands &m_commands;
    Karoblatt m_sheet;
    QSpinBox *m_count = nullptr;
    QList<QCheckBox *> m_kinds;
    QComboBox *m_layout = nullptr;
    QComboBox *m_digits = nullptr;
    QComboBox *m_carries = nullptr;
    QComboBox *m_zeros = nullptr;
    QComboBox *m_gaps = nullptr;
    QLineEdit *m_own = nullptr;
    QLabel *m_summary = nullptr;
    int m_labels = 0;
};
