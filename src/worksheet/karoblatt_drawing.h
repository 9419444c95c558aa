// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/drawn_document.h"
#include "worksheet/karoblatt_layout.h"
#include "worksheet/worksheet_layout.h"

#include <QList>
#include <QRectF>

// The squared sheet's boxes as lines and texts on A4 paper, for the printer.
namespace KaroblattDrawing {
inline constexpr qreal squareMillimetres = 5;
inline constexpr qreal gridLeft = 20; // millimetres: a hole punch takes the margin
inline constexpr qreal gridTop = 12;
inline const QString fontFamily = QStringLiteral("DejaVu Sans");

// The paper under squares of the grid, in millimetres.
QRectF squares(int row, int column, int span = 1, int height = 1);
// The task sheet shows what is given, the solution sheet the answers too.
DrawnDocument document(const QList<SheetPage> &pages, SheetSide side);
} // namespace KaroblattDrawing
