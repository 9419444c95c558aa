// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"

class QFileDevice;
class QPagedPaintDevice;

// The printer side of the Qt platform.
namespace QtPrinter {
bool hasPrinter();
// On the default printer, or into the PDF file when one is named; a PDF file
// is replaced only by a complete one.
PrintOutcome print(const PrintDocument &document, const QString &pdfFile);
// The document as PDF into an open file; false when any of it could not be written.
bool writePdf(const PrintDocument &document, QFileDevice &file);

// The same for drawn pages; a document with nothing drawn on it is not printed at all.
PrintOutcome print(const DrawnDocument &document, const QString &pdfFile);
bool writePdf(const DrawnDocument &document, QFileDevice &file);
// The pages onto a printer or a PDF writer set to A4; false when the device
// refused to begin, to start a page or to end.
bool paintPages(QPagedPaintDevice &device, const DrawnDocument &document);
} // namespace QtPrinter
