#pragma once

#include <QPoint>
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

// Top-left corner that centres a window on the screen (exact halves, rounded
// down to whole pixels only at the very end).
inline QPoint centred(QSize screen, QSize window, int verticalDivisor = 2)
{
    return QPoint((screen.width() - window.width()) / 2,
                  (screen.height() - window.height()) / verticalDivisor);
}
} // namespace Twips
