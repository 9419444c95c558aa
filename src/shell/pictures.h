// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QSize>
#include <functional>

class QLabel;

// The program's own pictures, drawn at the size they are shown in and at the
// screen's resolution (ratio device pixels to a pixel), so they stay sharp at
// any scale.
namespace Pictures {
enum class TileSymbol { Cross, Dot, Info };

QPixmap greenTile(TileSymbol symbol, QSize size, qreal ratio = 1);
QPixmap rocket(QSize size, qreal ratio = 1);
QPixmap moon(QSize size, qreal ratio = 1);
QPixmap logo(QSize size, qreal ratio = 1);

using Drawing = std::function<QPixmap(QSize size, qreal ratio)>;
Drawing greenTileDrawing(TileSymbol symbol);

// Shows a picture on a label, drawn afresh whenever the label takes another size.
void showOn(QLabel *label, Drawing drawing);
} // namespace Pictures
