#include "shell/random_source.h"
#include "support/scripted_platform.h"
#include "support/scripted_random.h"
#include "worksheet/worksheet_builder.h"

#include <QRegularExpression>
#include <QtTest/QTest>

using namespace Qt::StringLiterals;

namespace {

// The task numbers of one worksheet block: multiplicand, then multiplier digits from the highest place.
using Task = QList<int>;

QList<double> drawsFor(const QList<Task> &tasks)
{
    QList<double> draws;
    for (const Task &task : tasks) {
        const int from = task.first() >= 1000 ? 1000 : 100;
        draws.append(ScriptedRandom::forDigit(task.first(), from, 9 * from));
        for (int i = 1; i < task.size(); ++i)
            draws.append(ScriptedRandom::forDigit(task.at(i), 2, 8));
    }
    return draws;
}

QString dots(QString text)
{
    return text.replace(QChar(0x00B7), QLatin1Char(' '));
}

const QList<Task> singleRowSix{{456, 7}, {123, 4}, {809, 3}, {250, 9}, {999, 9}, {100, 2}};
const QList<Task> singleRowFive{{456, 7}, {123, 4}, {809, 3}, {999, 9}, {100, 2}};
const QList<Task> twoRowSix{{456, 7, 8}, {123, 4, 5}, {809, 3, 2},
                            {250, 9, 9}, {999, 9, 9}, {100, 2, 2}};
const QList<Task> twoRowFour{{4567, 7, 8}, {1234, 4, 5}, {9999, 9, 9}, {1000, 2, 2}};
const QList<Task> threeRowFour{{456, 7, 8, 9}, {123, 4, 5, 6}, {999, 9, 9, 9}, {100, 2, 2, 2}};

// Every block of a sheet drawn with the sample tasks of its block group.
QList<double> sampleDraws(SheetKind kind)
{
    QList<double> draws;
    switch (kind) {
    case SheetKind::SingleRow:
        for (int block = 0; block < 5; ++block)
            draws.append(drawsFor(singleRowSix));
        for (int block = 0; block < 2; ++block)
            draws.append(drawsFor(singleRowFive));
        break;
    case SheetKind::TwoRow:
        for (int block = 0; block < 3; ++block)
            draws.append(drawsFor(twoRowSix));
        for (int block = 0; block < 2; ++block)
            draws.append(drawsFor(twoRowFour));
        break;
    case SheetKind::ThreeRow:
        for (int block = 0; block < 4; ++block)
            draws.append(drawsFor(threeRowFour));
        break;
    }
    return draws;
}

// Logs re-seeds and draws in the order they happen.
class RecordingRandom final : public RandomSource {
public:
    QStringList events;
    double next() override
    {
        events.append(QStringLiteral("draw"));
        return 0.5;
    }
    void reseed(double seconds) override
    {
        events.append(QStringLiteral("reseed ") + QString::number(seconds, 'f', 2));
    }
};

} // namespace

class TestWorksheetBuilder : public QObject {
    Q_OBJECT
private slots:
    void rowsMatchTheWorkedExamples_data();
    void rowsMatchTheWorkedExamples();
    void sheetHasFixedRowsAndLengths_data();
    void sheetHasFixedRowsAndLengths();
    void smallestAndLargestNumbersKeepTheirColumns_data();
    void smallestAndLargestNumbersKeepTheirColumns();
    void reseedsFromTheClockBeforeEveryBlock_data();
    void reseedsFromTheClockBeforeEveryBlock();
    void productsMatchTheirTasks_data();
    void productsMatchTheirTasks();
    void blocksDifferWithinOneClockTick();
};

void TestWorksheetBuilder::rowsMatchTheWorkedExamples_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<bool>("staircase");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");

    const auto single = SheetKind::SingleRow;
    const auto two = SheetKind::TwoRow;
    const auto three = SheetKind::ThreeRow;
    QTest::newRow("single-row ones TaskLine")
        << single << false << 0 << dots(u"456*7···123*4···809*3···250*9···999*9···100*2···"_s);
    QTest::newRow("single-row ones RulerLine")
        << single << false << 1 << dots(u"-----···-----···-----···-----···-----···-----···"_s);
    QTest::newRow("single-row ones AnswerRow")
        << single << false << 2 << dots(u"·3192·····492····2427····2250····8991·····200···"_s);
    QTest::newRow("single-row third ones block")
        << single << false << 12 << dots(u"·3192·····492····2427····2250····8991·····200···"_s);
    QTest::newRow("single-row tens TaskLine")
        << single << false << 16 << dots(u"456*70··123*40··809*30··250*90··999*90··100*20··"_s);
    QTest::newRow("single-row tens RulerLine")
        << single << false << 17 << dots(u"------··------··------··------··------··------··"_s);
    QTest::newRow("single-row tens AnswerRow")
        << single << false << 18 << dots(u"·31920····4920···24270···22500···89910····2000··"_s);
    QTest::newRow("single-row hundreds TaskLine")
        << single << false << 27 << dots(u"456*700···123*400···809*300···999*900···100*200···"_s);
    QTest::newRow("single-row hundreds RulerLine")
        << single << false << 28 << dots(u"-------···-------···-------···-------···-------···"_s);
    QTest::newRow("single-row hundreds AnswerRow")
        << single << false << 29 << dots(u"·319200·····49200····242700····899100·····20000···"_s);
    QTest::newRow("single-row last AnswerRow")
        << single << false << 34 << dots(u"·319200·····49200····242700····899100·····20000···"_s);
    QTest::newRow("single-row ignores the staircase")
        << single << true << 18 << dots(u"·31920····4920···24270···22500···89910····2000··"_s);

    QTest::newRow("two-row TaskLine")
        << two << false << 1 << dots(u"456*78··123*45··809*32··250*99··999*99··100*22··"_s);
    QTest::newRow("two-row first partial product, flush")
        << two << false << 3 << dots(u"·31920····4920···24270···22500···89910····2000··"_s);
    QTest::newRow("two-row first partial product, staircase")
        << two << true << 3 << dots(u"·3192·····492····2427····2250····8991·····200···"_s);
    QTest::newRow("two-row second partial product")
        << two << true << 4 << dots(u"··3648·····615····1618····2250····8991·····200··"_s);
    QTest::newRow("two-row second RulerLine")
        << two << false << 5 << dots(u"------··------··------··------··------··------··"_s);
    QTest::newRow("two-row result")
        << two << false << 6 << dots(u"·35568····5535···25888···24750···98901····2200··"_s);
    QTest::newRow("two-row four-digit TaskLine")
        << two << false << 25 << dots(u"4567*78······1234*45······9999*99······1000*22······"_s);
    QTest::newRow("two-row four-digit RulerLine")
        << two << false << 26 << dots(u"-------······-------······-------······-------······"_s);
    QTest::newRow("two-row four-digit result")
        << two << false << 30 << dots(u"·356226········55530·······989901········22000······"_s);

    QTest::newRow("three-row TaskLine")
        << three << false << 1 << dots(u"456*789·····123*456·····999*999·····100*222·····"_s);
    QTest::newRow("three-row first partial product, flush")
        << three << false << 3 << dots(u"·319200·······49200······899100·······20000·····"_s);
    QTest::newRow("three-row first partial product, staircase")
        << three << true << 3 << dots(u"·3192·········492········8991·········200·······"_s);
    QTest::newRow("three-row second partial product, staircase")
        << three << true << 4 << dots(u"··3648·········615········8991·········200······"_s);
    QTest::newRow("three-row second partial product, flush")
        << three << false << 4 << dots(u"··36480········6150·······89910········2000·····"_s);
    QTest::newRow("three-row third partial product")
        << three << true << 5 << dots(u"···4104·········738········8991·········200·····"_s);
    QTest::newRow("three-row result")
        << three << true << 7 << dots(u"·359784·······56088······998001·······22200·····"_s);
}

void TestWorksheetBuilder::rowsMatchTheWorkedExamples()
{
    QFETCH(SheetKind, kind);
    QFETCH(bool, staircase);
    QFETCH(int, row);
    QFETCH(QString, expected);

    ScriptedPlatform platform;
    ScriptedRandom random(sampleDraws(kind));
    const QStringList sheet = WorksheetBuilder::buildWorksheet(kind, staircase, random, platform);

    QCOMPARE(sheet.at(row), expected);
    QCOMPARE(random.remaining(), 0);
    QCOMPARE(random.exhausted(), 0);
}

void TestWorksheetBuilder::sheetHasFixedRowsAndLengths_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QList<int>>("blankRows");
    QTest::addColumn<int>("wideFrom"); // rows from here on are wider
    QTest::addColumn<int>("wideLength");

    QTest::newRow("single-row: 37 rows, hundreds blocks 50 wide")
        << SheetKind::SingleRow << 37
        << QList<int>{3, 4, 8, 9, 13, 14, 15, 19, 20, 24, 25, 26, 30, 31, 35, 36} << 27 << 50;
    QTest::newRow("two-row: 40 rows, four-digit blocks 52 wide")
        << SheetKind::TwoRow << 40
        << QList<int>{0, 7, 8, 15, 16, 23, 24, 31, 32, 39} << 24 << 52;
    QTest::newRow("three-row: 36 rows, all 48 wide")
        << SheetKind::ThreeRow << 36 << QList<int>{0, 8, 9, 17, 18, 26, 27, 35} << 36 << 48;
}

void TestWorksheetBuilder::sheetHasFixedRowsAndLengths()
{
    QFETCH(SheetKind, kind);
    QFETCH(int, rowCount);
    QFETCH(QList<int>, blankRows);
    QFETCH(int, wideFrom);
    QFETCH(int, wideLength);

    ScriptedPlatform platform;
    MixingRandomSource random(7);
    for (bool staircase : {false, true}) {
        for (int attempt = 0; attempt < 20; ++attempt) {
            const QStringList sheet =
                WorksheetBuilder::buildWorksheet(kind, staircase, random, platform);
            QCOMPARE(sheet.size(), rowCount);
            for (int row = 0; row < sheet.size(); ++row) {
                if (blankRows.contains(row)) {
                    QCOMPARE(sheet.at(row), u" "_s);
                    continue;
                }
                const int expectedLength = row >= wideFrom ? wideLength : 48;
                QVERIFY2(sheet.at(row).size() == expectedLength,
                         qPrintable(QStringLiteral("row %1: '%2'").arg(row).arg(sheet.at(row))));
            }
        }
    }
}

void TestWorksheetBuilder::smallestAndLargestNumbersKeepTheirColumns_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("cell"); // every cell of the row, with its separator
    QTest::addColumn<int>("cells");

    const double lowest = 0.0;
    const double highest = 0.9999999;
    QTest::newRow("single-row ones 200") << SheetKind::SingleRow << lowest << 2 << u"  200   "_s << 6;
    QTest::newRow("single-row ones 8991") << SheetKind::SingleRow << highest << 2 << u" 8991   "_s << 6;
    QTest::newRow("single-row tens 2000") << SheetKind::SingleRow << lowest << 23 << u"  2000  "_s << 6;
    QTest::newRow("single-row tens 89910") << SheetKind::SingleRow << highest << 23 << u" 89910  "_s << 6;
    QTest::newRow("single-row hundreds 20000")
        << SheetKind::SingleRow << lowest << 34 << u"  20000   "_s << 5;
    QTest::newRow("single-row hundreds 899100")
        << SheetKind::SingleRow << highest << 34 << u" 899100   "_s << 5;
    QTest::newRow("single-row smallest task") << SheetKind::SingleRow << lowest << 27 << u"100*200   "_s << 5;
    QTest::newRow("single-row largest task") << SheetKind::SingleRow << highest << 27 << u"999*900   "_s << 5;
    QTest::newRow("two-row result 2200") << SheetKind::TwoRow << lowest << 22 << u"  2200  "_s << 6;
    QTest::newRow("two-row result 98901") << SheetKind::TwoRow << highest << 22 << u" 98901  "_s << 6;
    QTest::newRow("two-row four-digit result 22000")
        << SheetKind::TwoRow << lowest << 38 << u"  22000      "_s << 4;
    QTest::newRow("two-row four-digit result 989901")
        << SheetKind::TwoRow << highest << 38 << u" 989901      "_s << 4;
    QTest::newRow("three-row result 22200") << SheetKind::ThreeRow << lowest << 34 << u"  22200     "_s << 4;
    QTest::newRow("three-row result 998001") << SheetKind::ThreeRow << highest << 34 << u" 998001     "_s << 4;
}

void TestWorksheetBuilder::smallestAndLargestNumbersKeepTheirColumns()
{
    QFETCH(SheetKind, kind);
    QFETCH(double, r);
    QFETCH(int, row);
    QFETCH(QString, cell);
    QFETCH(int, cells);

    ScriptedPlatform platform;
    ScriptedRandom random(QList<double>(200, r));
    const QStringList sheet = WorksheetBuilder::buildWorksheet(kind, false, random, platform);
    QCOMPARE(sheet.at(row), cell.repeated(cells));
}

void TestWorksheetBuilder::reseedsFromTheClockBeforeEveryBlock_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<QList<int>>("drawsPerBlock");

    QTest::newRow("single-row: 5 blocks of six tasks, 2 of five")
        << SheetKind::SingleRow << QList<int>{12, 12, 12, 12, 12, 10, 10};
    QTest::newRow("two-row: 3 blocks of six tasks, 2 of four")
        << SheetKind::TwoRow << QList<int>{18, 18, 18, 12, 12};
    QTest::newRow("three-row: 4 blocks of four tasks")
        << SheetKind::ThreeRow << QList<int>{16, 16, 16, 16};
}

void TestWorksheetBuilder::reseedsFromTheClockBeforeEveryBlock()
{
    QFETCH(SheetKind, kind);
    QFETCH(QList<int>, drawsPerBlock);

    ScriptedPlatform platform;
    platform.clock = 36125.25;
    RecordingRandom random;
    WorksheetBuilder::buildWorksheet(kind, false, random, platform);

    QStringList expected;
    for (int draws : drawsPerBlock) {
        expected.append(u"reseed 36125.25"_s);
        for (int i = 0; i < draws; ++i)
            expected.append(u"draw"_s);
    }
    QCOMPARE(random.events, expected);
}

void TestWorksheetBuilder::productsMatchTheirTasks_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<QList<int>>("partialOffsets"); // below the TaskLine, highest place first
    QTest::addColumn<int>("resultOffset");

    QTest::newRow("single-row") << SheetKind::SingleRow << QList<int>{} << 2;
    QTest::newRow("two-row") << SheetKind::TwoRow << QList<int>{2, 3} << 5;
    QTest::newRow("three-row") << SheetKind::ThreeRow << QList<int>{2, 3, 4} << 6;
}

void TestWorksheetBuilder::productsMatchTheirTasks()
{
    QFETCH(SheetKind, kind);
    QFETCH(QList<int>, partialOffsets);
    QFETCH(int, resultOffset);

    static const QRegularExpression taskCell(u"^(\\d+)\\*(\\d+)$"_s);
    ScriptedPlatform platform;
    MixingRandomSource random(2024);
    for (int attempt = 0; attempt < 30; ++attempt) {
        const QStringList sheet = WorksheetBuilder::buildWorksheet(kind, false, random, platform);
        int tasksSeen = 0;
        for (int row = 0; row < sheet.size(); ++row) {
            if (!sheet.at(row).contains(QLatin1Char('*')))
                continue;
            const QStringList tasks = sheet.at(row).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            const QStringList results =
                sheet.at(row + resultOffset).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QCOMPARE(results.size(), tasks.size());
            for (int i = 0; i < tasks.size(); ++i) {
                const auto match = taskCell.match(tasks.at(i));
                QVERIFY2(match.hasMatch(), qPrintable(tasks.at(i)));
                const int multiplicand = match.captured(1).toInt();
                const QString multiplierText = match.captured(2);
                const int multiplier = multiplierText.toInt();
                QVERIFY(multiplicand >= 100 && multiplicand <= 9999);
                QCOMPARE(results.at(i).toInt(), multiplicand * multiplier);

                const QString digits = partialOffsets.isEmpty()
                    ? multiplierText.left(1) // single-row: m, then its zeros
                    : multiplierText;
                for (QChar digit : digits)
                    QVERIFY2(digit >= QLatin1Char('2') && digit <= QLatin1Char('9'),
                             qPrintable(multiplierText));
                for (int p = 0; p < partialOffsets.size(); ++p) {
                    const QStringList partials = sheet.at(row + partialOffsets.at(p))
                                                     .split(QLatin1Char(' '), Qt::SkipEmptyParts);
                    int placeValue = 1;
                    for (int place = 0; place < digits.size() - 1 - p; ++place)
                        placeValue *= 10;
                    QCOMPARE(partials.at(i).toInt(),
                             multiplicand * digits.at(p).digitValue() * placeValue);
                }
                ++tasksSeen;
            }
        }
        QVERIFY(tasksSeen > 0);
    }
}

void TestWorksheetBuilder::blocksDifferWithinOneClockTick()
{
    ScriptedPlatform platform; // its clock stands still
    MixingRandomSource random;
    const QStringList sheet =
        WorksheetBuilder::buildWorksheet(SheetKind::SingleRow, false, random, platform);
    QVERIFY(sheet.at(0) != sheet.at(5));
    QVERIFY(sheet.at(5) != sheet.at(10));
    const QStringList again =
        WorksheetBuilder::buildWorksheet(SheetKind::SingleRow, false, random, platform);
    QVERIFY(again.at(0) != sheet.at(0));
}

QTEST_APPLESS_MAIN(TestWorksheetBuilder)
#include "test_worksheet_builder.moc"
