#include "shell/qt_printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

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
    printer.setPageMargins(QMarginsF(pageMarginMillimetres, pageMarginMillimetres,
                                     pageMarginMillimetres, pageMarginMillimetres),
                           QPageLayout::Millimeter);

    QPainter painter;
    // Without a printer a default QPrinter has nowhere to print to and refuses to begin.
    if (!painter.begin(&printer))
        return PrintOutcome::Failed;
    painter.setFont(printFont(document));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal pageHeight = printer.height();

    qreal top = 0;
    for (const QString &line : document.lines) {
        if (top > 0 && top + metrics.height() > pageHeight) {
            if (!printer.newPage()) {
                painter.end();
                return PrintOutcome::Failed;
            }
            top = 0;
        }
        painter.drawText(QPointF(0, top + metrics.ascent()), line);
        top += metrics.lineSpacing();
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return PrintOutcome::Failed;
    return PrintOutcome::Printed;
}
