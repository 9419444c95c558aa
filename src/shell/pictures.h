// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QSize>

// The program's own pictures, drawn at the size they are shown in.
namespace Pictures {
enum class TileSymbol { Cross, Dot, Info };

QPixmap greenTile(TileSymbol symbol, QSize size);
QPixmap rocket(QSize size);
QPixmap moon(QSize size);
QPixmap logo(QSize size);
} // namespace Pictures
