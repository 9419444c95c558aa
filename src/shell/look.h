// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPainter;
class QStyle;
class QWidget;

// Every colour and cell style of the program's windows, by what it is for.
// The drawn pictures (tiles, rocket, moon, icon) keep their own paint.
namespace Look {
// Surfaces.
inline const QColor window(192, 192, 255);      // trainers, games and the info window
inline const QColor menu(192, 220, 255);        // the main menu
inline const QColor taskArea(224, 232, 255);    // the frame around a calculation
inline const QColor panel(128, 128, 255);       // gap panel, worksheet list, info labels
inline const QColor counterBar(160, 160, 230);  // the strip behind "R" and "F"
inline const QColor counter(0, 128, 0);         // the tiles holding the counters
inline const QColor counterBorder(0, 80, 0);
inline const QColor darkSurface(0, 0, 0);       // rocket track, invitations, help box
inline const QColor light(255, 255, 255);       // text and marks on dark or strong surfaces

// Ink.
inline const QColor ink(0, 0, 128);             // digits, rules, dots, arrows
inline const QColor carryInk(220, 0, 0);        // carried digits
inline const QColor alertInk(255, 0, 0);        // gap digits, the next digit to catch
inline const QColor shadowInk(0, 0, 0);         // outlines of the games' shapes, tick marks
inline const QColor disabledInk(128, 128, 128);
inline const QColor listInk(255, 255, 0);       // worksheet rows on the panel colour
inline const QColor catchInvitationInk(0, 192, 0);
inline const QColor memoryInvitationInk(192, 192, 192);
inline const QColor foundCard(0, 0, 255);       // a memory pair that was found
inline const QColor cursorOnDigit(255, 215, 0); // the catching game's cell where the "+" stands on a digit

// Fields.
inline const QColor writingField(250, 250, 255); // behind carries
inline const QColor gapField(224, 224, 224);
inline const QColor fieldBorder(128, 128, 200);
inline const QColor dropHighlight(255, 140, 0);  // the field under a dragged tile
inline const QColor focusFrame(0, 0, 0);          // what the keys act on: a dark ring
inline const QColor focusFrameInner(255, 255, 255); // and a light one inside it, so it shows on every colour
inline constexpr int focusRingWidth = 2;
inline const QColor pickedTile(255, 215, 0);      // a tile picked up by a tap, until it is put down

// Help.
inline const QColor helpStrip(255, 250, 220);     // the strip with "Tipp", "Vormachen" and the hint
inline const QColor litCell(255, 228, 120);       // the digits that feed the field a hint is about
inline const QColor offeredCommand(255, 215, 0);  // "Vormachen" offered after guessing

// A cell of a calculation: one bold digit centred in its box.
struct CellStyle {
    QColor ink;
    QColor background;
    qreal points;
};
inline const CellStyle taskCell{ink, window, 24};          // the task row
inline const CellStyle answerCell{ink, panel, 24};         // a product digit the pupil writes
inline const CellStyle carryCell{carryInk, writingField, 13.5};
inline const CellStyle givenCell{ink, window, 24};         // a digit the gap panel shows
inline const CellStyle gapCell{alertInk, gapField, 24};    // a digit the gap panel leaves out

// A framed cell is one that takes a dropped digit.
void styleCell(QLabel *label, const CellStyle &style, bool framed);
// The focus frame's two rings, along the inside of `edge`.
void paintFocusFrame(QPainter &painter, const QRect &edge);
// The desktop's style, with the focus frame on whatever holds the keyboard focus
// (commands, picture buttons, tick boxes, a box's buttons) instead of its faint
// hint. For QApplication::setStyle, which takes it over.
QStyle *focusFrameStyle();
// The multiplication dot: a small filled circle.
QFrame *multiplicationDot(QWidget *parent, const QString &objectName, const QRect &geometry);
} // namespace Look
