#include "shell/random_source.h"
#include "support/scripted_platform.h"
#include "shell/qt_printer.h"
#include "worksheet/worksheet_builder.h"
#include "worksheet/worksheet_documents.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct PdfWord {
    QRectF box; // for an expected word: left = its column in the line
    QString text;
};

// The words of one printed line, left to right.
using PdfLine = QList<PdfWord>;

} // namespace

// Prints real sheets into PDF files and reads them back with poppler's pdftotext.
class TestWorksheetPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyWordStandsInItsColumnOnThePage_data();
    void everyWordStandsInItsColumnOnThePage();
    void unwritableFileIsAFailure();

private:
    PrintDocument printedSheet(SheetSide side)
    {
        return WorksheetDocuments::sheetDocument(SheetKind::SingleRow, side, m_rows);
    }

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

void TestWorksheetPdf::everyWordStandsInItsColumnOnThePage_data()
{
    QTest::addColumn<SheetSide>("side");
    QTest::newRow("task sheet") << SheetSide::Tasks;
    QTest::newRow("solution sheet") << SheetSide::Solutions;
}

void TestWorksheetPdf::everyWordStandsInItsColumnOnThePage()
{
    QFETCH(SheetSide, side);

    const QString file = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s);
    const PrintDocument document = printedSheet(side);
    QCOMPARE(QtPrinter::print(document, file), PrintOutcome::Printed);

    QList<PdfLine> expectedLines;
    static const QRegularExpression wordPattern(u"\\S+"_s);
    for (const QString &line : document.lines) {
        PdfLine words;
        for (const auto &match : wordPattern.globalMatch(line))
            words.append({QRectF(match.capturedStart(), 0, 0, 0), match.captured()});
        if (!words.isEmpty())
            expectedLines.append(words);
    }

    QProcess pdftotext;
    pdftotext.start(m_pdftotext, {u"-bbox"_s, file, u"-"_s});
    QVERIFY(pdftotext.waitForFinished(30000) && pdftotext.exitCode() == 0);
    static const QRegularExpression pageTag(uR"re(<page width="([\d.]+)" height="([\d.]+)">)re"_s);
    static const QRegularExpression wordTag(
        uR"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>)re"_s);
    QList<PdfLine> pages; // the words of each page
    QSizeF page;
    for (const QString &tag : QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\n')) {
        if (const auto match = pageTag.match(tag); match.hasMatch()) {
            page = QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
            QVERIFY2(qAbs(page.width() - 595) < 1.0, "A4 portrait");
            pages.append(PdfLine());
        } else if (const auto match = wordTag.match(tag); match.hasMatch()) {
            const PdfWord word{QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                                      QPointF(match.captured(3).toDouble(), match.captured(4).toDouble())),
                               match.captured(5)};
            QVERIFY2(QRectF(QPointF(), page).contains(word.box), qPrintable(word.text));
            pages.last().append(word);
        }
    }
    QList<PdfLine> printedLines;
    qreal rightmost = 0;
    for (PdfLine &words : pages) {
        std::sort(words.begin(), words.end(), [](const PdfWord &a, const PdfWord &b) {
            return qFuzzyCompare(a.box.top(), b.box.top()) ? a.box.left() < b.box.left() : a.box.top() < b.box.top();
        });
        for (const PdfWord &word : std::as_const(words)) {
            rightmost = qMax(rightmost, word.box.right());
            if (printedLines.isEmpty() || !qFuzzyCompare(printedLines.last().last().box.top(), word.box.top()))
                printedLines.append(PdfLine());
            printedLines.last().append(word);
        }
    }
    // 41 lines of 18 pt do not fit one A4 page: the sheet goes on on a second one.
    QVERIFY(pages.size() >= 2);
    QCOMPARE(printedLines.size(), expectedLines.size());

    const PdfWord &first = printedLines.first().first();
    const qreal left = first.box.left();
    const qreal pitch = first.box.width() / first.text.size();
    QVERIFY2(qAbs(pitch - 18 * 0.6) < 0.2, qPrintable(QString::number(pitch))); // 18 pt fixed pitch
    for (int line = 0; line < expectedLines.size(); ++line) {
        const PdfLine &printed = printedLines.at(line);
        const PdfLine &expected = expectedLines.at(line);
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
    QVERIFY2(rightmost > 500 && left + 50 * pitch <= page.width() - left,
             qPrintable(QStringLiteral("left margin %1, row end %2").arg(left).arg(left + 50 * pitch)));
}

void TestWorksheetPdf::unwritableFileIsAFailure()
{
    const QString file = m_dir.filePath(u"no-such-folder/blatt.pdf"_s);
    QCOMPARE(QtPrinter::print(printedSheet(SheetSide::Tasks), file), PrintOutcome::Failed);
}

QTEST_MAIN(TestWorksheetPdf)
#include "test_worksheet_pdf.moc"
