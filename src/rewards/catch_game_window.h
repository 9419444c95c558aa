// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rewards/catch_game.h"
#include "shell/window_placement.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

class Platform;
class RandomSource;
struct CatchGameState;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

// The number-catching game ("Zahlfange").
class CatchGameWindow : public QWidget {
    Q_OBJECT
public:
    CatchGameWindow(Platform &platform, RandomSource &random, CatchGameState &state);

    // Sets up a fresh game (shared state, drawing surface, timer at the chosen
    // speed); the caller then hides the trainer and shows this window.
    void prepareGame();

    // Whether a game is under way (prepared and not yet ended).
    bool isRunning() const { return m_running; }

signals:
    // The game ended (won, quit, or closed through the frame); the window is hidden.
    void finished();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();
    void moveCursor(CatchMove direction);
    void timerTicked();
    void speedChanged(int value);
    void askToQuit();
    void replay(const CatchTurn &turn);
    void finishGame();
    void endGame();
    void print(const QList<CellPrint> &prints);
    void clearSurface();
    void centreOnScreen();
    bool handleKey(int key);

    Platform &m_platform;
    WindowPlacement m_placement;
    CatchGame m_game;
    QImage m_surface;
    QList<CellPrint> m_prints; // on the surface since it was cleared
    QColor m_drawColour;
    QFont m_drawFont;
    bool m_running = false;
    bool m_messageOpen = false;

    QPushButton *m_quitButton = nullptr;
    QPushButton *m_leftButton = nullptr;
    QPushButton *m_upButton = nullptr;
    QPushButton *m_downButton = nullptr;
    QPushButton *m_rightButton = nullptr;
    QLabel *m_nextDigit = nullptr;
    QScrollBar *m_speedBar = nullptr;
    QTimer *m_timer = nullptr;
};
