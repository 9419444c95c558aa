// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/printer_module.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

// Beside the program (the build folder), in its private library folder once
// installed, or in a folder a test names.
template <typename Function>
Function entryPoint(const char *symbol)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders{programFolder,
                        programFolder + QStringLiteral("/" RECHENHEFT_PRINTING_FROM_PROGRAM)};
    folders += QCoreApplication::libraryPaths();
    for (const QString &folder : folders)
        if (QFunctionPointer f = QLibrary::resolve(folder + QStringLiteral("/rechenheft-printing"), symbol))
            return reinterpret_cast<Function>(f);
    return nullptr;
}

} // namespace

namespace PrinterModule {

bool hasPrinter()
{
    const auto f = entryPoint<RechenheftHasPrinter>("rechenheftHasPrinter");
    return f && f();
}

PrintOutcome print(const PrintDocument &document, const QString &pdfFile)
{
    const auto f = entryPoint<RechenheftPrint>("rechenheftPrint");
    return f && f(document, pdfFile) == int(PrintOutcome::Printed) ? PrintOutcome::Printed
                                                                   : PrintOutcome::Failed;
}

PrintOutcome print(const DrawnDocument &document, const QString &pdfFile)
{
    const auto f = entryPoint<RechenheftPrintDrawn>("rechenheftPrintDrawn");
    return f && f(document, pdfFile) == int(PrintOutcome::Printed) ? PrintOutcome::Printed
                                                                   : PrintOutcome::Failed;
}

} // namespace PrinterModule
