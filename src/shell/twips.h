// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <algorithm>
#include <QRect>
#include <QSize>

// Layout numbers are kept in twips (1/1440 inch); 15 twips make one logical pixel.
namespace Twips {
inline constexpr int perPixel = 15;

constexpr int toPixels(int twips) { return twips / perPixel; }
inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
inline QPoint point(int left, int top) { return QPoint(toPixels(left), toPixels(top)); }
inline QSize size(int width, int height) { return QSize(toPixels(width), toPixels(height)); }

// Top-left corner that centres a window on the screen (the vertical share of
// the free room is 1/verticalDivisor). On a screen smaller than the window the
// corner stays on the screen, so the title bar and the close box can be reached.
inline QPoint centred(QSize screen, QSize window, int verticalDivisor = 2)
{
    return QPoint(std::max(0, (screen.width() - window.width()) / 2),
                  std::max(0, (screen.height() - window.height()) / verticalDivisor));
}
} // namespace Twips
