// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a message box of `box` stands on `screen` so that the pupil still sees
// `area` (a trainer's calculation) and above all `field` within it (the digit
// being reported): right of the area, else left, below or above; where none of
// these leaves the area free, the place that covers the field least, then the
// area least (a far corner of the screen included).
QPoint messageBesideArea(const QRect &area, const QRect &field, QSize box, const QRect &screen);
