// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/window_placement.h"
#include "trainer_frame/frame_geometry.h"
#include "worksheet/sheet_kind.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class AnswerInput;
class CalculationView;
class HelpSetting;
class HelpStrip;
class InvitationButton;
class Platform;
class PrinterLock;
class QLabel;
class QPushButton;
class RandomSource;
class TrainerModel;
class WorksheetView;

// What tells the trainer windows apart in the parts they share. Measures are
// in twips; the grid's are counted from the task area's top left corner.
struct TrainerFrameSpec {
    struct Command {
        const char *name;
        const char *caption;
        int left;
        std::function<void()> action;
    };

    QString objectName;
    QString caption;
    int clientHeight = 0;
    QList<Command> commands; // the frame adds "Blatt"
    SheetKind sheetKind = SheetKind::SingleRow;
    std::function<bool()> staircase; // multi-row sheets follow the row layout
    QString catchInvitationName;
    QString memoryInvitationName;
    int invitationTop = 0;
    int commandRuleTop = 720;
    int tileRuleTop = 4560;
    // The calculation: its frame and the grid.
    QString taskAreaName;
    int taskAreaTop = 0;
    int taskAreaHeight = 0;
    FrameGeometry::Grid grid;
};

// The window of every trainer, put together from its model: the frame (the
// command bar, the counters column with "R" and "F", the rocket track with the
// moon, both reward invitations, the digit tiles and the worksheet panel), the
// calculation view, the answer input and the help strip. It mirrors the
// model's counters and turns the shared events into calls; every command and
// leaving the window end a demonstration first.
class TrainerWindow : public QWidget {
    Q_OBJECT
public:
    // The window takes the model as its child.
    TrainerWindow(TrainerModel &model, const TrainerFrameSpec &spec, Platform &platform, RandomSource &random,
                  PrinterLock &printerLock, HelpSetting &help);

    // The pupil comes to work here by navigation (first show, back from the
    // menu or a game): centred, with a fresh task of the current mode.
    void activateForWork();
    WindowPlacement &placement() { return m_placement; }
    // The command buttons, in the order the trainer gave them, "Blatt" last.
    const QList<QPushButton *> &commands() const { return m_commands; }

signals:
    void leaveRequested();
    void catchGameRequested();
    void memoryGameRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildCounters();
    void buildTiles();
    InvitationButton *makeInvitation(const QString &name, const QString &game, QColor ink);
    void showWorksheet();
    void mirror();

    TrainerModel &m_model;
    WindowPlacement m_placement;
    QWidget *m_covered = nullptr; // what a shown worksheet lies over
    CalculationView *m_view = nullptr;
    AnswerInput *m_input = nullptr;
    HelpStrip *m_help = nullptr;
    QList<QPushButton *> m_commands;
    QLabel *m_pointsDisplay = nullptr;
    QLabel *m_errorDisplay = nullptr;
    QLabel *m_rocket = nullptr;
    InvitationButton *m_memoryInvitation = nullptr;
    InvitationButton *m_catchInvitation = nullptr;
    WorksheetView *m_worksheet = nullptr;
};
