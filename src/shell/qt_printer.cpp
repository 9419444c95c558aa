// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt_printer.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
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
void setMargins(QPagedPaintDevice &device)
{
    const QMarginsF wanted(pageMarginMillimetres, pageMarginMillimetres, pageMarginMillimetres,
                           pageMarginMillimetres);
    if (device.setPageMargins(wanted, QPageLayout::Millimeter))
        return;
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    device.setPageMargins(QMarginsF(std::max(wanted.left(), least.left()),
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

// The lines down the pages of a printer or a PDF writer; false when the
// device refused to begin, to start a page or to end.
bool paintDocument(QPagedPaintDevice &device, const PrintDocument &document)
{
    setMargins(device);
    QPainter painter;
    // Without a printer a default QPrinter has nowhere to print to and refuses to begin.
    if (!painter.begin(&device))
        return false;
    painter.setFont(printFont(document));
    const QFontMetricsF metrics(painter.font(), painter.device());
    // The painter's origin is the top left corner of this rectangle.
    const QRect paintRect = device.pageLayout().paintRectPixels(device.logicalDpiY());
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
            if (inked && !device.newPage()) {
                painter.end();
                return false;
            }
            slot = 0; // blank lines alone never fill a page
            inked = false;
        }
        painter.drawText(QPointF(0, slot * metrics.lineSpacing() + metrics.ascent()), text);
        ++slot;
        inked = true;
    }
    return painter.end();
}

// The PDF goes into a temporary file beside the named one, which takes that
// name only once the document is complete and on the disk: a full disk, an
// I/O error or a vanished folder leave an older file of that name as it was.
template <typename Document>
PrintOutcome savePdf(const Document &document, const QString &pdfFile)
{
    QSaveFile file(pdfFile);
    if (!file.open(QIODevice::WriteOnly) || !QtPrinter::writePdf(document, file))
        return PrintOutcome::Failed; // the unfinished temporary file goes with `file`
    return file.commit() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

// The writer does not look at what the device made of its bytes; the file
// remembers a failed write, and its last bytes are still to be written.
bool flushed(QFileDevice &file)
{
    return file.flush() && file.error() == QFileDevice::NoError;
}

QColor colourOf(PageInk ink)
{
    const InkColour rgb = inkColour(ink);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// Millimetres on the paper to the device's pixels, from the corner the painter starts at.
struct PaperToDevice {
    qreal dotsPerMmX = 1;
    qreal dotsPerMmY = 1;
    QPointF origin;

    explicit PaperToDevice(const QPagedPaintDevice &device)
        : dotsPerMmX(device.logicalDpiX() / 25.4)
        , dotsPerMmY(device.logicalDpiY() / 25.4)
    {
        const QPageLayout layout = device.pageLayout();
        origin = layout.paintRectPixels(device.logicalDpiX()).topLeft()
            - layout.fullRectPixels(device.logicalDpiX()).topLeft();
    }
    QPointF map(QPointF mm) const { return QPointF(mm.x() * dotsPerMmX, mm.y() * dotsPerMmY) - origin; }
    QRectF map(const QRectF &mm) const { return QRectF(map(mm.topLeft()), map(mm.bottomRight())); }
};

void paintPage(QPainter &painter, const PaperToDevice &paper, const QString &fontFamily,
               const DrawnPage &page)
{
    for (const PageLine &line : page.lines) {
        QPen pen(colourOf(line.ink), line.width * paper.dotsPerMmX);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QLineF(paper.map(line.line.p1()), paper.map(line.line.p2())));
    }
    QFont font(fontFamily);
    for (const PageText &text : page.texts) {
        font.setPointSizeF(text.points);
        font.setBold(text.bold);
        painter.setFont(font);
        painter.setPen(colourOf(text.ink));
        const Qt::Alignment align = text.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
        painter.drawText(paper.map(text.box), int(align) | Qt::TextDontClip, text.text);
    }
}
} // namespace

bool QtPrinter::hasPrinter()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

PrintOutcome QtPrinter::print(const PrintDocument &document, const QString &pdfFile)
{
    if (!pdfFile.isEmpty())
        return savePdf(document, pdfFile);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    if (!paintDocument(printer, document) || printer.printerState() == QPrinter::Error)
        return PrintOutcome::Failed;
    return PrintOutcome::Printed;
}

bool QtPrinter::writePdf(const PrintDocument &document, QFileDevice &file)
{
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setTitle(documentName);
    return paintDocument(writer, document) && flushed(file);
}

PrintOutcome QtPrinter::print(const DrawnDocument &document, const QString &pdfFile)
{
    if (!pdfFile.isEmpty())
        return savePdf(document, pdfFile);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setFullPage(true); // the pages are measured from the paper's corner
    if (!paintPages(printer, document) || printer.printerState() == QPrinter::Error)
        return PrintOutcome::Failed;
    return PrintOutcome::Printed;
}

bool QtPrinter::writePdf(const DrawnDocument &document, QFileDevice &file)
{
    QPdfWriter writer(&file);
    writer.setTitle(documentName);
    return paintPages(writer, document) && flushed(file);
}

bool QtPrinter::paintPages(QPagedPaintDevice &device, const DrawnDocument &document)
{
    QList<DrawnPage> pages;
    for (const DrawnPage &page : document.pages)
        if (!page.isEmpty())
            pages.append(page);
    if (pages.isEmpty())
        return false;
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    // A printer that cannot print to the edge keeps its margins; the pages keep their places.
    device.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const PaperToDevice paper(device);
    for (qsizetype page = 0; page < pages.size(); ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        paintPage(painter, paper, document.fontFamily, pages.at(page));
    }
    return painter.end();
}
