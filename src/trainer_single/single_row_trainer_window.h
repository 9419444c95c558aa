#pragma once

#include "trainer_single/single_row_trainer_model.h"

#include <QList>
#include <QWidget>
#include <array>

class Platform;
class PrinterLock;
class QLabel;
class QListWidget;
class ClickableLabel;
class WorksheetView;

// The one-row trainer window (Form1): mirrors its model into the controls
// and turns clicks and drops into calls.
class SingleRowTrainerWindow : public QWidget {
    Q_OBJECT
public:
    SingleRowTrainerWindow(Platform &platform, RandomSource &random, PrinterLock &printerLock);

    SingleRowTrainerModel &model() { return m_model; }
    WorksheetView *worksheet() const { return m_worksheet; }

    // The pupil comes to work here by navigation (first show, back from the
    // menu or a game): centred, with a fresh task of the current mode.
    void activateForWork();

signals:
    void leaveRequested();
    void catchGameRequested();
    void memoryGameRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct PendingDrop {
        SingleRowElement field;
        QString digit;
    };

    void buildControls();
    void buildGapPanel();
    void buildBars();
    void mirrorModel();
    void queueDrop(SingleRowElement field, const QString &digit);
    void processDrops();

    Platform &m_platform;
    SingleRowTrainerModel m_model;
    std::array<QWidget *, singleRowElementCount> m_elements{};
    QWidget *m_gapPanel = nullptr;
    QLabel *m_pointsStore = nullptr;
    QLabel *m_pointsDisplay = nullptr;
    QLabel *m_hiddenErrors = nullptr;
    QLabel *m_errorDisplay = nullptr;
    QLabel *m_kindIndicator = nullptr;
    QLabel *m_gapSolution = nullptr;
    QListWidget *m_keyListA = nullptr;
    QListWidget *m_keyListB = nullptr;
    ClickableLabel *m_memoryInvitation = nullptr;
    ClickableLabel *m_catchInvitation = nullptr;
    QLabel *m_rocket = nullptr;
    WorksheetView *m_worksheet = nullptr;
    QList<PendingDrop> m_pendingDrops;
    bool m_processingDrops = false;
};
