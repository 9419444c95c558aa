// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
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

// Shrinks a control's font in half points until its text fits its box: the
// fonts installed here run wider than the ones the layout was drawn with. The
// text keeps fitting at any scale of the window.
void fitText(QWidget *widget, const QString &text, bool wrapped = false, int extraWidth = 0);

QLabel *label(QWidget *parent, const QString &objectName, const QString &text, const QRect &geometry);

// A filled rectangle (a line of the given width, or a shape).
QFrame *shape(QWidget *parent, const QString &objectName, const QRect &geometry, QColor fill,
              QColor border = QColor());

// A horizontal line from x1 to x2 (twips) at height y, in pixels wide.
QFrame *horizontalLine(QWidget *parent, const QString &objectName, int x1Twips, int x2Twips,
                       int yTwips, int widthPixels, QColor colour);

// Places a window centred across the screen with its frame (title bar and
// borders) counted, its top edge 1/verticalDivisor down the free height.
// Where the window with its frame would not fit the screen at the pupil's
// zoom, it is shown smaller as a whole, as large as fits. Before the window
// manager has framed the window, it is placed by what is known and placed
// again as soon as the frame is known.
void centreOnScreen(QWidget *window, QSize screen, int verticalDivisor);

// The pupil's zoom of a window, in steps, never beyond what fits the screen;
// Reset brings the window back to its own size (or what fits of it). Nothing
// of it is kept beyond the run.
enum class ZoomStep { In, Out, Reset };
void zoom(QWidget *window, ZoomStep step);
// The zoom the pupil chose, to be carried over to another window.
qreal zoomOf(QWidget *window);
void setZoom(QWidget *window, qreal zoom);
// Ctrl+Plus (also on the keypad), Ctrl+Minus, Ctrl+0 and Ctrl with the mouse
// wheel zoom the window.
void letPupilZoom(QWidget *window);

// The info window stands beside the pupil's working window (the menu, a
// trainer or a game) and asks nothing: message boxes are never put over it.
void standBesideWorkingWindow(QWidget *window);
bool standsBesideWorkingWindow(const QWidget *window);

// Message boxes over this window leave `area` in sight (the calculation, so a
// reported digit can still be seen); null when the window asks nothing of them.
void keepMessagesOff(QWidget *area);
QWidget *areaKeptFromMessages(const QWidget *window);
// Where a box of `size` stands beside `area` without covering it, on `screen`:
// right of it, else left, below or above; where none fits, where it covers least.
QPoint besideArea(const QRect &area, QSize size, const QRect &screen);

} // namespace WindowSetup
