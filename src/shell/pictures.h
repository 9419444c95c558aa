#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>

// The program's own pictures, drawn at the size they are shown in.
namespace Pictures {
enum class TileSymbol { Cross, Dot, Info };

QPixmap greenTile(TileSymbol symbol, QSize size);
QPixmap rocket(QSize size);
QPixmap moon(QSize size);
QPixmap logo(QSize size);
// An arrow-shaped triangle, for the move buttons of the catching game.
enum class Direction { Left, Up, Down, Right };
QPixmap triangle(Direction direction, QSize size, QColor colour);
} // namespace Pictures
