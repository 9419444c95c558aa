// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"

// Printing lives in a module of its own (librechenheft-printing.so, with Qt's
// print support), loaded the first time the program prints: the program
// starts without loading the print support library.
namespace PrinterModule {
bool hasPrinter();
PrintOutcome print(const PrintDocument &document, const QString &pdfFile);
PrintOutcome print(const DrawnDocument &document, const QString &pdfFile);
} // namespace PrinterModule

// The module's entry points, resolved by name.
extern "C" {
using RechenheftHasPrinter = bool (*)();
using RechenheftPrint = int (*)(const PrintDocument &document, const QString &pdfFile);
using RechenheftPrintDrawn = int (*)(const DrawnDocument &document, const QString &pdfFile);
}
