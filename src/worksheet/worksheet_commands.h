// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "worksheet/sheet_kind.h"
#include "worksheet/worksheet_layout.h"

#include "shell/platform.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <variant>

// What a print command hands to the printer: lines of text, or drawn pages.
using SheetDocument = std::variant<PrintDocument, DrawnDocument>;

// The print and copy commands of a worksheet, with the messages they show.
class WorksheetCommands {
public:
    // Read at the moment of each command. Without a lock source printing counts
    // as locked (the lock is set at start); without a points source the points are 0.
    struct Sources {
        std::function<bool()> printerLocked;
        std::function<int()> points;
    };

    WorksheetCommands(SheetKind kind, Platform &platform, Sources sources);

    // True when printing may go on: the lock is off, or the password (the points
    // shown right now, exactly) was entered. The lock itself stays as it is.
    bool checkPrinterLock();
    void printTaskSheet(const QStringList &rows);
    void printSolutionSheet(const QStringList &rows);
    void copyWorksheet(const QStringList &rows);
    // The procedure of every print command, for any sheet: the lock, the
    // question, then the printer or, without one, a PDF file. `sheet` names it
    // as "Das … jetzt ausdrucken?" does; the document is made only once printing goes on.
    void printDocument(const QString &sheet, const QString &title, const std::function<SheetDocument()> &document);
    // A side of this trainer's worksheets, under the trainer's message title.
    void print(SheetSide side, const std::function<SheetDocument()> &document);

    static QString question(SheetSide side) { return question(sheetName(side)); }
    static QString closingMessage(SheetSide side) { return closingMessage(sheetName(side)); }
    static QString noPrinterQuestion(SheetSide side) { return noPrinterQuestion(sheetName(side)); }
    static QString pdfDialogTitle(SheetSide side) { return pdfDialogTitle(sheetName(side)); }
    static QString pdfSuggestedName(SheetSide side) { return pdfSuggestedName(sheetName(side)); }
    static QString pdfSavedMessage(SheetSide side, const QString &file) { return pdfSavedMessage(sheetName(side), file); }
    static QString printFailedMessage(SheetSide side) { return printFailedMessage(sheetName(side)); }
    static QString pdfFailedMessage(SheetSide side, const QString &file) { return pdfFailedMessage(sheetName(side), file); }
    // The same of a sheet by its name.
    static QString sheetName(SheetSide side);
    static QString question(const QString &sheet);
    static QString closingMessage(const QString &sheet);
    static QString noPrinterQuestion(const QString &sheet);
    static QString pdfDialogTitle(const QString &sheet);
    static QString pdfSuggestedName(const QString &sheet);
    static QString pdfSavedMessage(const QString &sheet, const QString &file);
    static QString printFailedMessage(const QString &sheet);
    static QString pdfFailedMessage(const QString &sheet, const QString &file);
    static QString copiedMessage();

    static inline const QString printTitle = QStringLiteral("Drucken");
    static inline const QString clipboardTitle = QStringLiteral("Zwischenablage");
    static inline const QString passwordPrompt = QStringLiteral("Kennwort eingeben:");
    static inline const QString passwordTitle = QStringLiteral("Druckersperre aufheben");
    static inline const QString passwordDefault = QStringLiteral("Passwort");

private:
    void saveAsPdf(const QString &sheet, const QString &title, const std::function<SheetDocument()> &document);
    PrintOutcome send(const SheetDocument &document, const QString &pdfFile);
    bool printerLocked() const;
    int points() const;

    SheetKind m_kind;
    Platform &m_platform;
    Sources m_sources;
};
