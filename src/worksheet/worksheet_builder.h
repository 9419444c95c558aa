// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "worksheet/sheet_kind.h"

#include <QStringList>

class Platform;
class RandomSource;

// Draws a fresh worksheet: every task with its solution, as rows of fixed-pitch text.
namespace WorksheetBuilder {
// The clock re-seeds the random source before every block. Staircase drops the
// trailing zeros of shifted partial products (multi-row sheets only).
QStringList buildWorksheet(SheetKind kind, bool staircase, RandomSource &random, Platform &clock);
} // namespace WorksheetBuilder
