// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>

// A document drawn on A4 paper in portrait: lines, and texts in boxes, all
// measured in millimetres from the paper's top left corner.
namespace Paper {
inline constexpr qreal width = 210;
inline constexpr qreal height = 297;
} // namespace Paper

// What a line or a text is drawn in.
enum class PageInk {
    Grid,     // the squares: light, yet still there on a photocopy
    Print,    // the tasks and the head
    Solution, // the answers of a solution sheet
};

struct InkColour {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The solution ink is a dark red, a twelfth of white's luminance: it reads as
// near-black on a black-and-white printer.
constexpr InkColour inkColour(PageInk ink)
{
    switch (ink) {
    case PageInk::Grid:
        return {150, 185, 220};
    case PageInk::Solution:
        return {165, 0, 0};
    case PageInk::Print:
        break;
    }
    return {0, 0, 0};
}

struct PageLine {
    QLineF line;
    qreal width = 0.2; // millimetres
    PageInk ink = PageInk::Print;
};

struct PageText {
    QRectF box;
    QString text;
    qreal points = 12;
    PageInk ink = PageInk::Print;
    bool bold = false;
    bool centred = true; // else from the box's left edge, centred from top to bottom
};

struct DrawnPage {
    QList<PageLine> lines;
    QList<PageText> texts;

    bool isEmpty() const { return lines.isEmpty() && texts.isEmpty(); }
};

struct DrawnDocument {
    QString fontFamily;
    QList<DrawnPage> pages;
};
