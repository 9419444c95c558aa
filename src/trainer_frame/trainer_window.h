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

// What tells the trainer windows apart in the parts they share.
struct TrainerFrameSpec {
    QString objectName;
    QString caption;
    int clientHeight = 0; // twips
    SheetKind sheetKind = SheetKind::SingleRow;
    QString catchInvitationName;
    QString memoryInvitationName;
    int invitationTop = 0;
    int commandRuleTop = 720;
    int tileRuleTop = 4560;
};

// The frame every trainer window shares: the command bar's place, the counters
// column with "R" and "F", the rocket track with the moon, both reward
// invitations, the digit tiles, the worksheet panel, the hidden counters and
// key lists, and the queue that handles a drop once its drag has finished.
// A trainer builds its task into taskLayer() and attaches its model; the frame
// mirrors the model's counters and turns the shared events into calls.
class TrainerWindow : public QWidget {
    Q_OBJECT
public:
    TrainerWindow(const TrainerFrameSpec &spec, Platform &platform, RandomSource &random,
                  PrinterLock &printerLock);

    WorksheetView *worksheet() const { return m_worksheet; }

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
    static constexpr int clientWidth = 7830;
    static constexpr int commandTop = 120;
    static constexpr int commandWidth = 855;
    static constexpr int commandHeight = 495;
    static constexpr int taskAreaLeft = 960;
    static constexpr int taskAreaWidth = 5895;
    static constexpr int outOfViewTop = 6000;

    // Everything the invitations and a shown worksheet cover.
    QWidget *taskLayer() const { return m_taskLayer; }
    void addCommands(const QList<Command> &commands);
    // "Blatt": builds a sheet and shows it over the task.
    void buildWorksheet();
    // Connects the model; call once the trainer's controls stand.
    void attachModel(TrainerModel &model, std::function<bool()> staircase = {});
    // A dropped digit is handled after its drag has finished, in the order of arrival.
    void queueDrop(std::function<void()> drop);

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildBars();
    void buildTiles();
    ClickableLabel *makeInvitation(const QString &name, QColor textColour);
    void buildHiddenControls();
    void mirrorFrame();
    void processDrops();

    TrainerFrameSpec m_spec;
    Platform &m_platform;
    TrainerModel *m_model = nullptr;
    QWidget *m_taskLayer = nullptr;
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
    PrinterLock &m_printerLock;
    QList<std::function<void()>> m_pendingDrops;
    bool m_processingDrops = false;
};
