// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/worksheet_commands.h"

#include "shell/platform.h"
#include "worksheet/worksheet_documents.h"

#include <QDir>

namespace {

const QString twoCR = QString(2, CR);

} // namespace

WorksheetCommands::WorksheetCommands(SheetKind kind, Platform &platform, Sources sources)
    : m_kind(kind)
    , m_platform(platform)
    , m_sources(std::move(sources))
{
}

QString WorksheetCommands::sheetName(SheetSide side)
{
    return side == SheetSide::Tasks ? QStringLiteral("Rechenblatt")
                                    : QStringLiteral("Lösungsblatt");
}

QString WorksheetCommands::question(const QString &sheet)
{
    return QStringLiteral("Das %1 jetzt ausdrucken?").arg(sheet) + twoCR;
}

QString WorksheetCommands::closingMessage(const QString &sheet)
{
    return QStringLiteral("Das %1 wird gedruckt ...").arg(sheet) + twoCR;
}

QString WorksheetCommands::noPrinterQuestion(const QString &sheet)
{
    return QStringLiteral("Es ist kein Drucker eingerichtet.") + CR
        + QStringLiteral("Soll das %1 stattdessen als PDF-Datei gespeichert werden?")
              .arg(sheet)
        + twoCR;
}

QString WorksheetCommands::pdfDialogTitle(const QString &sheet)
{
    return QStringLiteral("Das %1 als PDF-Datei speichern").arg(sheet);
}

QString WorksheetCommands::pdfSuggestedName(const QString &sheet)
{
    return sheet + QStringLiteral(".pdf");
}

QString WorksheetCommands::pdfSavedMessage(const QString &sheet, const QString &file)
{
    return QStringLiteral("Das %1 wurde als PDF-Datei gespeichert:").arg(sheet) + CR
        + QDir::toNativeSeparators(file) + twoCR;
}

QString WorksheetCommands::printFailedMessage(const QString &sheet)
{
    return QStringLiteral("Das %1 konnte nicht gedruckt werden.").arg(sheet) + CR
        + QStringLiteral("Bitte den Drucker prüfen und es noch einmal versuchen.") + twoCR;
}

QString WorksheetCommands::pdfFailedMessage(const QString &sheet, const QString &file)
{
    return QStringLiteral("Das %1 konnte nicht als PDF-Datei gespeichert werden:")
               .arg(sheet)
        + CR + QDir::toNativeSeparators(file) + CR
        + QStringLiteral("Es wurde nichts gespeichert; eine ältere Datei mit diesem Namen bleibt "
                         "unverändert.")
        + CR
        + QStringLiteral("Bitte prüfen, ob auf dem Datenträger noch Platz ist, oder einen anderen "
                         "Ordner wählen und es noch einmal versuchen.")
        + twoCR;
}

QString WorksheetCommands::copiedMessage()
{
    return QStringLiteral("Die Rechenaufgaben und die Lösungen wurden in die Ablage kopiert.") + CR
        + QStringLiteral("(Beim Einfügen muss die Schriftart 'COURIER NEW' gesetzt werden!)")
        + twoCR;
}

bool WorksheetCommands::printerLocked() const
{
    return m_sources.printerLocked ? m_sources.printerLocked() : true;
}

int WorksheetCommands::points() const
{
    return m_sources.points ? m_sources.points() : 0;
}

bool WorksheetCommands::checkPrinterLock()
{
    if (!printerLocked())
        return true;
    const QString entered = m_platform.inputText(passwordPrompt, passwordTitle, passwordDefault);
    // A cancelled dialog gives the empty text, which must never unlock.
    return !entered.isEmpty() && entered == QString::number(points());
}

void WorksheetCommands::printTaskSheet(const QStringList &rows)
{
    print(SheetSide::Tasks, [&] { return WorksheetDocuments::sheetDocument(m_kind, SheetSide::Tasks, rows); });
}

void WorksheetCommands::printSolutionSheet(const QStringList &rows)
{
    print(SheetSide::Solutions,
          [&] { return WorksheetDocuments::sheetDocument(m_kind, SheetSide::Solutions, rows); });
}

void WorksheetCommands::print(SheetSide side, const std::function<SheetDocument()> &document)
{
    printDocument(sheetName(side), WorksheetLayout::of(m_kind).messageTitle, document);
}

void WorksheetCommands::printDocument(const QString &sheet, const QString &title,
                                      const std::function<SheetDocument()> &document)
{
    if (!checkPrinterLock())
        return;
    if (!askYesNo(m_platform, question(sheet), title, MessageIcon::Question, DefaultButton::Second))
        return;
    if (!m_platform.hasPrinter()) {
        saveAsPdf(sheet, title, document);
        return;
    }
    if (send(document(), QString()) == PrintOutcome::Failed) {
        m_platform.message(printFailedMessage(sheet), printTitle, MessageButtons::Ok,
                           MessageIcon::Stop, DefaultButton::First);
        return;
    }
    showInfo(m_platform, closingMessage(sheet), printTitle);
}

void WorksheetCommands::saveAsPdf(const QString &sheet, const QString &title,
                                  const std::function<SheetDocument()> &document)
{
    if (!askYesNo(m_platform, noPrinterQuestion(sheet), title, MessageIcon::Question,
                  DefaultButton::Second))
        return;
    const QString file = m_platform.pdfFileName(pdfDialogTitle(sheet), pdfSuggestedName(sheet));
    if (file.isEmpty())
        return;
    if (send(document(), file) == PrintOutcome::Failed) {
        m_platform.message(pdfFailedMessage(sheet, file), printTitle, MessageButtons::Ok,
                           MessageIcon::Stop, DefaultButton::First);
        return;
    }
    showInfo(m_platform, pdfSavedMessage(sheet, file), printTitle);
}

PrintOutcome WorksheetCommands::send(const SheetDocument &document, const QString &pdfFile)
{
    return std::visit([&](const auto &pages) { return m_platform.print(pages, pdfFile); }, document);
}

void WorksheetCommands::copyWorksheet(const QStringList &rows)
{
    m_platform.setClipboardText(WorksheetDocuments::clipboardText(m_kind, rows));
    showInfo(m_platform, copiedMessage(), clipboardTitle);
}
