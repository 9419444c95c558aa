// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The entry points of librechenheft-printing.so (see printer_module.h).
#include "shell/printer_module.h"
#include "shell/qt_printer.h"

extern "C" {
Q_DECL_EXPORT bool rechenheftHasPrinter()
{
    return QtPrinter::hasPrinter();
}

Q_DECL_EXPORT int rechenheftPrint(const PrintDocument &document, const QString &pdfFile)
{
    return int(QtPrinter::print(document, pdfFile));
}

Q_DECL_EXPORT int rechenheftPrintDrawn(const DrawnDocument &document, const QString &pdfFile)
{
    return int(QtPrinter::print(document, pdfFile));
}
}
