// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "worksheet/sheet_kind.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class ClickableLabel;
class Platform;
class PrinterLock;
class QLabel;
class QListWidget;
class QPushButton;
class RandomSource;
class TrainerModel;
class WorksheetView;

// What tells the trainer windows apart in the parts they share. Measures are
// in twips; the grid's are counted from the task area's top left corner.
struct TrainerFrameSpec {
    QString objectName;
    QString caption;
    int clientHeight = 0;
    SheetKind sheetKind = SheetKind::SingleRow;
    QString catchInvitationName;
    QString memoryInvitationName;
    int invitationTop = 0;
    int commandRuleTop = 720;
    int tileRuleTop = 4560;
    // The calculation: its frame, the gap panel laid over it, and the grid.
    QString taskAreaName;
    int taskAreaTop = 0;
    int taskAreaHeight = 0;
    int gapPanelHeight = 0;
    int gridLeft = 0;       // left edge of the leftmost column
    QList<int> rowTops;     // one per row of the design
    QList<int> rowHeights;
};

// The frame every trainer window shares: the command bar's place, the counters
// column with "R" and "F", the rocket track with the moon, both reward
// invitations, the digit tiles, the calculation with its gap panel built from
// the trainer's design, the worksheet panel, the hidden counters and key
// lists, and the queue that handles a drop once its drag has finished. The
// frame mirrors the model and turns the shared events into calls.
class TrainerWindow : public QWidget {
    Q_OBJECT
public:
    // The pupil comes to work here by navigation (first show, back from the
    // menu or a game): centred, with a fresh task of the current mode.
    void activateForWork();

signals:
    void leaveRequested();
    void catchGameRequested();
    void memoryGameRequested();

protected:
    struct Command {
        const char *name;
        const char *caption;
        int left; // twips
        std::function<void()> action;
    };

    TrainerWindow(const TrainerFrameSpec &spec, Platform &platform, RandomSource &random,
                  PrinterLock &printerLock);

    // The command buttons, in the order given.
    QList<QPushButton *> addCommands(const QList<Command> &commands);
    // "Blatt": builds a sheet and shows it over the task.
    void buildWorksheet();
    // A label that holds state nobody sees, below the client area.
    QLabel *addHiddenLabel(const QString &name, int left);
    // Lays out the model's calculation and connects it; call once the
    // trainer's commands stand. `staircase` tells the worksheet the row layout.
    void attachModel(TrainerModel &model, std::function<bool()> staircase = {});

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildBars();
    void buildTiles();
    ClickableLabel *makeInvitation(const QString &name, QColor textColour);
    void buildCalculation();
    QRect cellBox(int cell) const; // twips, from the task area's corner
    void mirrorModel();
    void queueDrop(int cell, const QString &digit);
    void processDrops();

    TrainerFrameSpec m_spec;
    Platform &m_platform;
    PrinterLock &m_printerLock;
    TrainerModel *m_model = nullptr;
    QWidget *m_taskLayer = nullptr;
    QWidget *m_gapPanel = nullptr;
    QList<QWidget *> m_cells; // by the design's cell index
    QList<bool> m_styledAsGap;
    QLabel *m_pointsStore = nullptr;
    QLabel *m_pointsDisplay = nullptr;
    QLabel *m_hiddenErrors = nullptr;
    QLabel *m_errorDisplay = nullptr;
    QListWidget *m_keyListA = nullptr;
    QListWidget *m_keyListB = nullptr;
    ClickableLabel *m_memoryInvitation = nullptr;
    ClickableLabel *m_catchInvitation = nullptr;
    QLabel *m_rocket = nullptr;
    WorksheetView *m_worksheet = nullptr;
    QList<std::pair<int, QString>> m_pendingDrops;
    bool m_processingDrops = false;
};
