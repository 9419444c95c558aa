// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"

class QFileDevice;

// The printer side of the Qt platform.
namespace QtPrinter {
bool hasPrinter();
// On the default printer, or into the PDF file when one is named; a PDF file
// is replaced only by a complete one.
PrintOutcome print(const PrintDocument &document, const QString &pdfFile);
// The document as PDF into an open file; false when any of it could not be written.
bool writePdf(const PrintDocument &document, QFileDevice &file);
} // namespace QtPrinter
