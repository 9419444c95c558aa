// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt_printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace {
// Narrow enough that a 50-character row at 18 pt (540 pt) fits the 595 pt of an A4 line.
constexpr qreal pageMarginMillimetres = 7.0;
const QString documentName = QStringLiteral("Rechenheft");

QFont printFont(const PrintDocument &document)
{
    QFont font(document.fontFamily);
    if (document.pointSize > 0)
        font.setPointSize(document.pointSize);
    // Columns of the sheet only line up in a fixed-pitch face, whatever the family resolves to.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// A printer that cannot print as close to the edge as asked keeps its own
// narrowest margin on that side; the page is then laid out from what it took.
void setMargins(QPrinter &printer)
{
    const QMarginsF wanted(pageMarginMillimetres, pageMarginMillimetres, pageMarginMillimetres,
                           pageMarginMillimetres);
    if (printer.setPageMargins(wanted, QPageLayout::Millimeter))
        return;
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    printer.setPageMargins(QMarginsF(std::max(wanted.left(), least.left()),
                                     std::max(wanted.top(), least.top()),
                                     std::max(wanted.right(), least.right()),
                                     std::max(wanted.bottom(), least.bottom())),
                           QPageLayout::Millimeter);
}

bool isBlank(const QString &line)
{
    return line.trimmed().isEmpty();
}

// For every line, how many lines from it on must find room on its page: the
// rest of the run kept together that it opens with something printed, or one.
QList<int> roomNeeded(const PrintDocument &document)
{
    const int lineCount = int(document.lines.size());
    QList<int> needed(lineCount, 1);
    for (const LineRun &run : document.keptTogether) {
        const int end = std::min(run.first + run.count, lineCount);
        for (int line = std::max(run.first, 0); line < end; ++line) {
            if (!isBlank(document.lines.at(line))) {
                needed[line] = std::max(needed.at(line), end - line);
                break;
            }
        }
    }
    return needed;
}
} // namespace

bool QtPrinter::hasPrinter()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

PrintOutcome QtPrinter::print(const PrintDocument &document, const QString &pdfFile)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        printer.setPageSize(QPageSize(QPageSize::A4)); // a real printer keeps its own paper
    }
    printer.setDocName(documentName);
    setMargins(printer);

    QPainter painter;
    // Without a printer a default QPrinter has nowhere to print to and refuses to begin.
    if (!painter.begin(&printer))
        return PrintOutcome::Failed;
    painter.setFont(printFont(document));
    const QFontMetricsF metrics(painter.font(), painter.device());
    // The painter's origin is the top left corner of this rectangle.
    const QRect paintRect = printer.pageLayout().paintRectPixels(printer.resolution());
    const int linesPerPage =
        std::max(1, int((paintRect.height() - metrics.height()) / metrics.lineSpacing()) + 1);
    const QList<int> needed = roomNeeded(document);

    int slot = 0;       // line place on the current page
    bool inked = false; // something printed on the current page
    for (int line = 0; line < document.lines.size(); ++line) {
        const QString &text = document.lines.at(line);
        // A blank line only moves down: one that falls off the page starts no new one.
        if (isBlank(text)) {
            ++slot;
            continue;
        }
        if (slot + std::min(needed.at(line), linesPerPage) > linesPerPage) {
            if (inked && !printer.newPage()) {
                painter.end();
                return PrintOutcome::Failed;
            }
            slot = 0; // blank lines alone never fill a page
            inked = false;
        }
        painter.drawText(QPointF(0, slot * metrics.lineSpacing() + metrics.ascent()), text);
        ++slot;
        inked = true;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return PrintOutcome::Failed;
    return PrintOutcome::Printed;
}
