#pragma once

#include <QWidget>

class Platform;
class RandomSource;

// The memory game: nine pairs of cards whose factors add up to 10.
class MemoryGameWindow : public QWidget {
    Q_OBJECT
public:
    MemoryGameWindow(Platform &platform, RandomSource &random);

signals:
    // The game ended (all pairs found, quit, or closed through the frame); the window is hidden.
    void finished();
};
