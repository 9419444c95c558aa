#pragma once

#include "shell/platform.h"

// The printer side of the Qt platform.
namespace QtPrinter {
bool hasPrinter();
PrintOutcome print(const PrintDocument &document, const QString &pdfFile);
} // namespace QtPrinter
