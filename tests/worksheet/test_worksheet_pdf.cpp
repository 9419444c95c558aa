#include "shell/random_source.h"
#include "support/scripted_platform.h"
#include "worksheet/qt_sheet_printer.h"
#include "worksheet/worksheet_builder.h"
#include "worksheet/worksheet_documents.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <QtTest/QTest>

using namespace Qt::StringLiterals;

namespace {

struct PdfWord {
    QRectF box;
    QString text;
};

struct PdfPage {
    QSizeF size;
    QList<PdfWord> words;
};

} // namespace

// Prints real sheets into PDF files and reads them back with poppler's pdftotext.
class TestWorksheetPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void printedSheetReadsBackLineByLine_data();
    void printedSheetReadsBackLineByLine();
    void everyCharacterStandsInItsColumnOnThePage_data();
    void everyCharacterStandsInItsColumnOnThePage();
    void unwritableFileIsAFailure();

private:
    PrintDocument printedSheet(SheetSide side);
    QString pdftotext(const QStringList &arguments);
    QList<PdfPage> wordBoxes(const QString &pdfFile);

    QString m_pdftotext;
    QTemporaryDir m_dir;
    QStringList m_rows;
};

void TestWorksheetPdf::initTestCase()
{
    m_pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (m_pdftotext.isEmpty())
        QFAIL("pdftotext was not found: install poppler-utils (the project's install script does).");
    QVERIFY(m_dir.isValid());
    ScriptedPlatform clock;
    MixingRandomSource random(5);
    m_rows = WorksheetBuilder::buildWorksheet(SheetKind::SingleRow, false, random, clock);
}

PrintDocument TestWorksheetPdf::printedSheet(SheetSide side)
{
    return WorksheetDocuments::sheetDocument(SheetKind::SingleRow, side, m_rows);
}

QString TestWorksheetPdf::pdftotext(const QStringList &arguments)
{
    QProcess process;
    process.start(m_pdftotext, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qWarning() << "pdftotext failed:" << process.readAllStandardError();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QList<PdfPage> TestWorksheetPdf::wordBoxes(const QString &pdfFile)
{
    static const QRegularExpression pageTag(
        uR"re(<page width="([\d.]+)" height="([\d.]+)">)re"_s);
    static const QRegularExpression wordTag(
        uR"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>)re"_s);
    QList<PdfPage> pages;
    const QString html = pdftotext({u"-bbox"_s, pdfFile, u"-"_s});
    for (const QString &line : html.split(QLatin1Char('\n'))) {
        if (const auto page = pageTag.match(line); page.hasMatch()) {
            pages.append({QSizeF(page.captured(1).toDouble(), page.captured(2).toDouble()), {}});
        } else if (const auto word = wordTag.match(line); word.hasMatch() && !pages.isEmpty()) {
            const QPointF topLeft(word.captured(1).toDouble(), word.captured(2).toDouble());
            const QPointF bottomRight(word.captured(3).toDouble(), word.captured(4).toDouble());
            pages.last().words.append({QRectF(topLeft, bottomRight), word.captured(5)});
        }
    }
    return pages;
}

void TestWorksheetPdf::printedSheetReadsBackLineByLine_data()
{
    QTest::addColumn<SheetSide>("side");
    QTest::addColumn<QString>("heading");
    QTest::newRow("task sheet") << SheetSide::Tasks << u"Einreihige Multiplikation (Rechenblatt)"_s;
    QTest::newRow("solution sheet")
        << SheetSide::Solutions << u"Einreihige Multiplikation (Lösungsblatt)"_s;
}

void TestWorksheetPdf::printedSheetReadsBackLineByLine()
{
    QFETCH(SheetSide, side);
    QFETCH(QString, heading);

    const QString file = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s);
    const PrintDocument document = printedSheet(side);
    QCOMPARE(QtSheetPrinter::print(document, file), PrintOutcome::Printed);

    const QString text = pdftotext({u"-layout"_s, u"-enc"_s, u"UTF-8"_s, file, u"-"_s});
    QVERIFY2(text.contains(heading), qPrintable(text.left(300)));
    // 41 lines of 18 pt do not fit one A4 page: the sheet goes on on a second one.
    QVERIFY(text.count(QLatin1Char('\f')) >= 2);

    // pdftotext only estimates the blanks between words; the columns are checked on the boxes.
    QStringList printed;
    for (const QString &line : text.split(QRegularExpression(u"[\n\f]"_s))) {
        if (!line.trimmed().isEmpty())
            printed.append(line.simplified());
    }
    QStringList expected;
    for (const QString &line : document.lines) {
        if (!line.trimmed().isEmpty())
            expected.append(line.simplified());
    }
    QCOMPARE(printed, expected);
}

void TestWorksheetPdf::everyCharacterStandsInItsColumnOnThePage_data()
{
    QTest::addColumn<SheetSide>("side");
    QTest::newRow("task sheet") << SheetSide::Tasks;
    QTest::newRow("solution sheet") << SheetSide::Solutions;
}

void TestWorksheetPdf::everyCharacterStandsInItsColumnOnThePage()
{
    QFETCH(SheetSide, side);

    const QString file =
        m_dir.filePath(u"boxes-"_s + QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s);
    const PrintDocument document = printedSheet(side);
    QCOMPARE(QtSheetPrinter::print(document, file), PrintOutcome::Printed);

    // The words of every non-empty line, with the column each one starts in.
    QList<QList<PdfWord>> expectedLines;
    for (const QString &line : document.lines) {
        QList<PdfWord> words;
        static const QRegularExpression word(u"\\S+"_s);
        for (const auto &match : word.globalMatch(line))
            words.append({QRectF(match.capturedStart(), 0, match.capturedLength(), 0),
                          match.captured()});
        if (!words.isEmpty())
            expectedLines.append(words);
    }

    const QList<PdfPage> pages = wordBoxes(file);
    QVERIFY(pages.size() >= 2);
    QList<QList<PdfWord>> printedLines;
    qreal rightmost = 0;
    for (const PdfPage &page : pages) {
        QVERIFY2(qAbs(page.size.width() - 595) < 1.0, "A4 portrait");
        QList<PdfWord> words = page.words;
        std::sort(words.begin(), words.end(), [](const PdfWord &a, const PdfWord &b) {
            return qFuzzyCompare(a.box.top(), b.box.top()) ? a.box.left() < b.box.left()
                                                           : a.box.top() < b.box.top();
        });
        for (const PdfWord &word : words) {
            QVERIFY2(word.box.left() >= 0 && word.box.top() >= 0
                         && word.box.right() <= page.size.width()
                         && word.box.bottom() <= page.size.height(),
                     qPrintable(word.text));
            rightmost = qMax(rightmost, word.box.right());
            if (printedLines.isEmpty() || !qFuzzyCompare(printedLines.last().last().box.top(),
                                                         word.box.top()))
                printedLines.append(QList<PdfWord>());
            printedLines.last().append(word);
        }
    }
    QCOMPARE(printedLines.size(), expectedLines.size());

    const PdfWord &first = printedLines.first().first();
    const qreal left = first.box.left();
    const qreal pitch = first.box.width() / first.text.size();
    QVERIFY2(qAbs(pitch - 18 * 0.6) < 0.2, qPrintable(QString::number(pitch))); // 18 pt fixed pitch
    for (int line = 0; line < expectedLines.size(); ++line) {
        const QList<PdfWord> &printed = printedLines.at(line);
        const QList<PdfWord> &expected = expectedLines.at(line);
        QCOMPARE(printed.size(), expected.size());
        for (int w = 0; w < expected.size(); ++w) {
            QCOMPARE(printed.at(w).text, expected.at(w).text);
            const qreal column = (printed.at(w).box.left() - left) / pitch;
            QVERIFY2(qAbs(column - expected.at(w).box.left()) < 0.1,
                     qPrintable(QStringLiteral("line %1 word %2 at column %3")
                                    .arg(line).arg(expected.at(w).text).arg(column)));
        }
    }
    // A whole 50-character row, trailing blanks included, stays inside a right margin as wide as the left.
    const qreal pageWidth = pages.first().size.width();
    QVERIFY2(rightmost <= pageWidth - left && left + 50 * pitch <= pageWidth - left,
             qPrintable(QStringLiteral("left margin %1, row end %2").arg(left).arg(left + 50 * pitch)));
    QVERIFY(rightmost > 500);
}

void TestWorksheetPdf::unwritableFileIsAFailure()
{
    const QString file = m_dir.filePath(u"no-such-folder/blatt.pdf"_s);
    QCOMPARE(QtSheetPrinter::print(printedSheet(SheetSide::Tasks), file), PrintOutcome::Failed);
}

QTEST_MAIN(TestWorksheetPdf)
#include "test_worksheet_pdf.moc"
