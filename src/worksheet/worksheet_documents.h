// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"
#include "worksheet/sheet_kind.h"
#include "worksheet/worksheet_layout.h"

#include <QString>
#include <QStringList>

// What leaves the program from a worksheet: the printed sheets and the clipboard text.
namespace WorksheetDocuments {
inline const QString printFontFamily = QStringLiteral("Courier New");
inline constexpr int printPointSize = 18;

// The heading lines, then every row; the task sheet shows answer lines instead of products.
PrintDocument sheetDocument(SheetKind kind, SheetSide side, const QStringList &rows);

// The rows without products, a gap, then the rows with products; CR LF after every line.
QString clipboardText(SheetKind kind, const QStringList &rows);
} // namespace WorksheetDocuments
