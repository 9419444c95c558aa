// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon. The installed SVG is the one drawing; the window icon
// is painted from that same file, so the menu entry and the title bars agree
// without loading an SVG renderer at start.
namespace AppIcon {
// The icon file as built into the program.
inline const QString resourcePath = QStringLiteral(":/icons/de.rechenheft.Rechenheft.svg");

// The drawing painted at size × size pixels; an unreadable file gives a null pixmap.
QPixmap render(int size, const QString &svgFile = resourcePath);

// How many elements of the file the painter does not know (they would be left out).
int unknownElements(const QString &svgFile = resourcePath);

// The window icon for every window, in the sizes title bars and task bars use.
QIcon windowIcon();
} // namespace AppIcon
