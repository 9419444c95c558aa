#pragma once

#include "shell/platform.h"

// The printer side of the Qt platform.
namespace QtSheetPrinter {
bool hasPrinter();
PrintOutcome print(const PrintDocument &document, const QString &pdfFile);
} // namespace QtSheetPrinter
