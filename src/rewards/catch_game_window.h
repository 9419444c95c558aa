#pragma once

#include <QWidget>

class Platform;
class RandomSource;
struct CatchGameState;

// The number-catching game ("Zahlfange").
class CatchGameWindow : public QWidget {
    Q_OBJECT
public:
    CatchGameWindow(Platform &platform, RandomSource &random, CatchGameState &state);

    // Sets up a fresh game (shared state, drawing surface, timer at the chosen
    // speed); the caller then hides the trainer and shows this window.
    void prepareGame();

signals:
    // The game ended (won, quit, or closed through the frame); the window is hidden.
    void finished();
};
