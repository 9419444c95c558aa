// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rewards/memory_game.h"
#include "shell/window_placement.h"

#include <QList>
#include <QWidget>

class Platform;
class RandomSource;
class MemoryCard;

// The memory game: nine pairs of cards whose factors add up to 10.
class MemoryGameWindow : public QWidget {
    Q_OBJECT
public:
    MemoryGameWindow(Platform &platform, RandomSource &random);
    // Where the window stands and how large it is shown (it follows the trainer's zoom).
    WindowPlacement &placement() { return m_placement; }

    // The board as it stands; it survives hiding and showing the window.
    const MemoryGame &game() const { return m_game; }

signals:
    // The game ended (all pairs found, quit, or closed through the frame); the window is hidden.
    void finished();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void cardClicked(int card);
    void showHelp();
    void askToQuit();
    void finishGame();
    void leave();
    void showBoard();

    Platform &m_platform;
    RandomSource &m_random;
    WindowPlacement m_placement;
    MemoryGame m_game;
    QList<MemoryCard *> m_cards;
    bool m_messageOpen = false;
};
