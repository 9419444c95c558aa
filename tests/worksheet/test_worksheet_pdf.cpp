// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/random_source.h"
#include "support/scripted_platform.h"
#include "shell/qt_printer.h"
#include "worksheet/worksheet_builder.h"
#include "worksheet/worksheet_documents.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct PdfWord {
    QRectF box;
    QString text;
};

// One printed line: its page and its words, left to right.
struct PdfLine {
    int page = 0;
    QList<PdfWord> words;
};

const PrintDocument smallSheet{u"Courier New"_s, 18, {u"1234*5"_s, u"------"_s, u"6170"_s}, {}};

struct ExpectedWord {
    int column = 0;
    QString text;
};

// A line of the document with something on it: its index and its words.
struct ExpectedLine {
    int index = 0;
    QList<ExpectedWord> words;
};

} // namespace

// Prints real sheets into PDF files and reads them back with poppler's pdftotext.
class TestWorksheetPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sheetIsPrintedPageByPageWithoutWaste_data();
    void sheetIsPrintedPageByPageWithoutWaste();
    void unwritableFileIsAFailure();
    void aSheetIsSavedWholeOrNotAtAll_data();
    void aSheetIsSavedWholeOrNotAtAll();
    void aDeviceThatFailsWritesIsAFailure();

private:
    QList<PdfLine> readBack(const QString &file, QSizeF &page, int &pageCount);

    QString m_pdftotext;
    QTemporaryDir m_dir;
};

void TestWorksheetPdf::initTestCase()
{
    m_pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (m_pdftotext.isEmpty())
        QFAIL("pdftotext was not found: install poppler-utils (the project's install script does).");
    QVERIFY(m_dir.isValid());
}

// The printed lines of a PDF, top to bottom and page by page.
QList<PdfLine> TestWorksheetPdf::readBack(const QString &file, QSizeF &page, int &pageCount)
{
    QProcess pdftotext;
    pdftotext.start(m_pdftotext, {u"-bbox"_s, file, u"-"_s});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    static const QRegularExpression pageTag(uR"re(<page width="([\d.]+)" height="([\d.]+)">)re"_s);
    static const QRegularExpression wordTag(
        uR"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>)re"_s);
    QList<QList<PdfWord>> pages;
    for (const QString &tag : QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\n')) {
        if (const auto match = pageTag.match(tag); match.hasMatch()) {
            page = QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
            pages.append(QList<PdfWord>());
        } else if (const auto match = wordTag.match(tag); match.hasMatch() && !pages.isEmpty()) {
            pages.last().append({QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                                        QPointF(match.captured(3).toDouble(), match.captured(4).toDouble())),
                                 match.captured(5)});
        }
    }
    QList<PdfLine> lines;
    for (int p = 0; p < pages.size(); ++p) {
        QList<PdfWord> &words = pages[p];
        std::sort(words.begin(), words.end(), [](const PdfWord &a, const PdfWord &b) {
            return qFuzzyCompare(a.box.top(), b.box.top()) ? a.box.left() < b.box.left()
                                                            : a.box.top() < b.box.top();
        });
        for (const PdfWord &word : std::as_const(words)) {
            if (lines.isEmpty() || lines.last().page != p
                || !qFuzzyCompare(lines.last().words.last().box.top(), word.box.top()))
                lines.append(PdfLine{p, {}});
            lines.last().words.append(word);
        }
    }
    pageCount = int(pages.size());
    return lines;
}

void TestWorksheetPdf::sheetIsPrintedPageByPageWithoutWaste_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<SheetSide>("side");
    QTest::newRow("one-row task sheet") << SheetKind::SingleRow << SheetSide::Tasks;
    QTest::newRow("one-row solution sheet") << SheetKind::SingleRow << SheetSide::Solutions;
    QTest::newRow("two-row task sheet") << SheetKind::TwoRow << SheetSide::Tasks;
    QTest::newRow("two-row solution sheet") << SheetKind::TwoRow << SheetSide::Solutions;
    QTest::newRow("three-row task sheet") << SheetKind::ThreeRow << SheetSide::Tasks;
    QTest::newRow("three-row solution sheet") << SheetKind::ThreeRow << SheetSide::Solutions;
}

// Every word stands in its column; no page is empty; a task row, its dashes and
// its answers stand on one page; and a page is begun only when that block
// would not have fitted on the page before.
void TestWorksheetPdf::sheetIsPrintedPageByPageWithoutWaste()
{
    QFETCH(SheetKind, kind);
    QFETCH(SheetSide, side);

    ScriptedPlatform clock;
    MixingRandomSource random(5);
    const QStringList rows = WorksheetBuilder::buildWorksheet(kind, false, random, clock);
    const PrintDocument document = WorksheetDocuments::sheetDocument(kind, side, rows);
    const QString file = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s);
    QCOMPARE(QtPrinter::print(document, file), PrintOutcome::Printed);

    QList<ExpectedLine> expected;
    static const QRegularExpression wordPattern(u"\\S+"_s);
    for (int index = 0; index < document.lines.size(); ++index) {
        ExpectedLine line{index, {}};
        for (const auto &match : wordPattern.globalMatch(document.lines.at(index)))
            line.words.append({int(match.capturedStart()), match.captured()});
        if (!line.words.isEmpty())
            expected.append(line);
    }
    // A block: lines with something on them, one under the other; a blank line ends it.
    const auto blockEnd = [&](int e) {
        while (e + 1 < expected.size() && expected.at(e + 1).index == expected.at(e).index + 1)
            ++e;
        return e;
    };

    QSizeF page;
    int pageCount = 0;
    const QList<PdfLine> printed = readBack(file, page, pageCount);
    QVERIFY2(qAbs(page.width() - 595) < 1.0, "A4 portrait");
    QCOMPARE(printed.size(), expected.size());
    // Pages follow one another without a gap, from the first to the last: none is empty.
    QCOMPARE(printed.first().page, 0);
    QCOMPARE(printed.last().page + 1, pageCount);

    const PdfWord &first = printed.first().words.first();
    const qreal left = first.box.left();
    const qreal pitch = first.box.width() / first.text.size();
    QVERIFY2(qAbs(pitch - 18 * 0.6) < 0.2, qPrintable(QString::number(pitch))); // 18 pt fixed pitch
    const qreal lineHeight = first.box.height();
    // Lines of one page lie a line spacing apart; the first line of the document would stand at the top.
    const qreal spacing = (printed.at(1).words.first().box.top() - first.box.top())
        / (expected.at(1).index - expected.at(0).index);
    const qreal pageTop = first.box.top() - expected.first().index * spacing;
    QVERIFY(spacing > lineHeight - 0.1); // lines do not overlap
    for (int line = 0; line < expected.size(); ++line) {
        const PdfLine &shown = printed.at(line);
        const ExpectedLine &wanted = expected.at(line);
        QCOMPARE(shown.words.size(), wanted.words.size());
        for (int w = 0; w < wanted.words.size(); ++w) {
            const PdfWord &word = shown.words.at(w);
            QCOMPARE(word.text, wanted.words.at(w).text);
            const qreal column = (word.box.left() - left) / pitch;
            QVERIFY2(qAbs(column - wanted.words.at(w).column) < 0.1,
                     qPrintable(u"line %1 word %2 at column %3"_s.arg(wanted.index).arg(word.text).arg(column)));
            // Inside margins as wide as the left one all round.
            const QRectF inside(QPointF(left, left), QPointF(page.width() - left, page.height() - left));
            QVERIFY2(inside.adjusted(-0.1, -0.1, 0.1, 0.1).contains(word.box),
                     qPrintable(word.text));
        }
        if (line > 0 && shown.page == printed.at(line - 1).page) {
            QVERIFY2(qAbs(shown.words.first().box.top() - printed.at(line - 1).words.first().box.top()
                          - (wanted.index - expected.at(line - 1).index) * spacing)
                         < 0.5,
                     qPrintable(u"line %1 out of step"_s.arg(wanted.index)));
        }
        if (line > 0 && shown.page != printed.at(line - 1).page) {
            const QString where = u"page %1 begins at line %2"_s.arg(shown.page + 1).arg(wanted.index);
            QCOMPARE(shown.page, printed.at(line - 1).page + 1);
            QVERIFY2(blockEnd(line - 1) == line - 1, qPrintable(where + u", inside a block"_s));
            // No blank line is carried over to the top of the new page.
            QVERIFY2(qAbs(shown.words.first().box.top() - pageTop) < 0.5, qPrintable(where));
            // On the page before, the block would have run past the bottom margin.
            const PdfLine &before = printed.at(line - 1);
            const int block = blockEnd(line);
            const qreal bottomThere = before.words.first().box.top()
                + (expected.at(block).index - expected.at(line - 1).index) * spacing + lineHeight;
            QVERIFY2(bottomThere > page.height() - left - 0.5,
                     qPrintable(where + u", although it fits on the page before"_s));
        }
    }
}

void TestWorksheetPdf::unwritableFileIsAFailure()
{
    ScriptedPlatform clock;
    MixingRandomSource random(5);
    const QStringList rows = WorksheetBuilder::buildWorksheet(SheetKind::SingleRow, false, random, clock);
    const QString file = m_dir.filePath(u"no-such-folder/blatt.pdf"_s);
    QCOMPARE(QtPrinter::print(WorksheetDocuments::sheetDocument(SheetKind::SingleRow, SheetSide::Tasks, rows), file),
             PrintOutcome::Failed);
}

void TestWorksheetPdf::aSheetIsSavedWholeOrNotAtAll_data()
{
    QTest::addColumn<int>("kibLeft"); // -1: the disk is not filled
    QTest::newRow("room enough: the new sheet replaces the old one") << -1;
    QTest::newRow("a full disk") << 0;
    QTest::newRow("a few KiB left on the disk") << 4;
}

// On a real small file system, filled up: the file of that name is either the
// complete new sheet or the old one, untouched, and nothing else is left behind.
void TestWorksheetPdf::aSheetIsSavedWholeOrNotAtAll()
{
    QFETCH(int, kibLeft);
    QTemporaryDir folder;
    if (QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=1m"_s, u"tmpfs"_s, folder.path()}) != 0)
        QSKIP("No small file system could be mounted (that needs root, as in CI): not tried here.");
    const auto unmount = qScopeGuard([&] { QProcess::execute(u"umount"_s, {folder.path()}); });
    QFile old(folder.filePath(u"Rechenblatt.pdf"_s));
    const QByteArray oldSheet = "%PDF-1.4 last week's sheet";
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(oldSheet) == oldSheet.size());
    old.close();
    QFile filler(folder.filePath(u"filler"_s));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (kibLeft >= 0 && filler.write(QByteArray(4096, 'x')) == 4096) {}
    QVERIFY(kibLeft < 0 || filler.resize(filler.size() - kibLeft * 1024));
    const QStringList before = QDir(folder.path()).entryList(QDir::Files);

    QCOMPARE(QtPrinter::print(smallSheet, old.fileName()), kibLeft < 0 ? PrintOutcome::Printed : PrintOutcome::Failed);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), before);
    QVERIFY(old.open(QIODevice::ReadOnly));
    const QByteArray now = old.readAll();
    QVERIFY2(kibLeft < 0 ? now.trimmed().endsWith("%%EOF") : now == oldSheet, now.right(32).constData());
}

void TestWorksheetPdf::aDeviceThatFailsWritesIsAFailure()
{
    QFile full(u"/dev/full"_s); // every write: "no space left on device"
    QVERIFY(full.open(QIODevice::WriteOnly));
    QVERIFY(!QtPrinter::writePdf(smallSheet, full));
}

QTEST_MAIN(TestWorksheetPdf)
#include "test_worksheet_pdf.moc"
