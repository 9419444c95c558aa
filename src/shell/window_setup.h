// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "shell/twips.h"

class QFrame;
class QLabel;
class QWidget;

// Small helpers shared by every window: fixed-size frames, coloured
// backgrounds, fonts in points, lines and rectangles placed in twips.
namespace WindowSetup {

void fixedWindow(QWidget *window, const QString &objectName, const QString &caption, int widthTwips,
                 int heightTwips);

// Keys pressed by chance press no command: buttons take the keyboard focus
// only by Tab (never by a click), and the window itself can hold it; each
// window takes the focus itself whenever it is shown.
void keepStrayKeysOffButtons(QWidget *window);

void setBackground(QWidget *widget, QColor colour);
void setColours(QWidget *widget, QColor text, QColor background);

// The face of every window: named, not left to the desktop, so all machines
// show the same letters; installed with fonts-dejavu-core and has ä, ö, ü, ß.
inline const QString windowFontFamily = QStringLiteral("DejaVu Sans");

QFont font(qreal points, bool bold = false, bool italic = false, bool underline = false);

// Names a control for a screen reader, only when what it says changes: each change is announced.
void nameForScreenReader(QWidget *widget, const QString &name);

QLabel *label(QWidget *parent, const QString &objectName, const QString &text, const QRect &geometry);

// A filled rectangle (a line of the given width, or a shape).
QFrame *shape(QWidget *parent, const QString &objectName, const QRect &geometry, QColor fill,
              QColor border = QColor());

// A horizontal line from x1 to x2 (twips) at height y, in pixels wide.
QFrame *horizontalLine(QWidget *parent, const QString &objectName, int x1Twips, int x2Twips,
                       int yTwips, int widthPixels, QColor colour);

} // namespace WindowSetup
