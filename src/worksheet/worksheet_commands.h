// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"
#include "worksheet/sheet_kind.h"
#include "worksheet/worksheet_layout.h"

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
    // The procedure of every print command, for any sheet: the lock, the
    // question, then the printer or, without one, a PDF file. The document is
    // made only once printing goes on.
    void print(SheetSide side, const std::function<SheetDocument()> &document);
    void copyWorksheet(const QStringList &rows);

    static QString question(SheetSide side);
    static QString closingMessage(SheetSide side);
    static QString noPrinterQuestion(SheetSide side);
    static QString pdfDialogTitle(SheetSide side);
    static QString pdfSuggestedName(SheetSide side);
    static QString pdfSavedMessage(SheetSide side, const QString &file);
    static QString printFailedMessage(SheetSide side);
    static QString pdfFailedMessage(SheetSide side, const QString &file);
    static QString copiedMessage();

    static inline const QString printTitle = QStringLiteral("Drucken");
    static inline const QString clipboardTitle = QStringLiteral("Zwischenablage");
    static inline const QString passwordPrompt = QStringLiteral("Kennwort eingeben:");
    static inline const QString passwordTitle = QStringLiteral("Druckersperre aufheben");
    static inline const QString passwordDefault = QStringLiteral("Passwort");

private:
    void saveAsPdf(SheetSide side, const std::function<SheetDocument()> &document);
    PrintOutcome send(const SheetDocument &document, const QString &pdfFile);
    bool printerLocked() const;
    int points() const;

    SheetKind m_kind;
    Platform &m_platform;
    Sources m_sources;
};
