// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rewards/catch_game.h"
#include "shell/window_placement.h"

#include <QPoint>
#include <QWidget>

class CatchBoard;
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
    // Where the window stands and how large it is shown (it follows the trainer's zoom).
    WindowPlacement &placement() { return m_placement; }

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

private:
    void buildControls();
    // A move asked for by the pupil (arrow key or button): it ends a walk to a tapped cell.
    void steer(CatchMove direction);
    void moveCursor(CatchMove direction);
    void cellTapped(int column, int row);
    void walkOn();
    void timerTicked();
    void speedChanged(int value);
    void askToQuit();
    void showTurn(const CatchTurn &turn);
    void showGame();
    void finishGame();
    void endGame();
    void centreOnScreen();
    bool handleKey(int key);

    Platform &m_platform;
    WindowPlacement m_placement;
    CatchGame m_game;
    bool m_running = false;
    bool m_messageOpen = false;
    QPoint m_walkTarget; // the cell tapped last, which the cursor walks to

    QPushButton *m_quitButton = nullptr;
    QPushButton *m_leftButton = nullptr;
    QPushButton *m_upButton = nullptr;
    QPushButton *m_downButton = nullptr;
    QPushButton *m_rightButton = nullptr;
    QLabel *m_nextDigit = nullptr;
    QScrollBar *m_speedBar = nullptr;
    CatchBoard *m_board = nullptr;
    QTimer *m_timer = nullptr;
    QTimer *m_walkTimer = nullptr; // runs only while the cursor walks
};
