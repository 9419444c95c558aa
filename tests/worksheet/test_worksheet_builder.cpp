// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/random_source.h"
#include "support/scripted_platform.h"
#include "support/scripted_random.h"
#include "worksheet/worksheet_builder.h"

#include <QtTest/QTest>

using namespace Qt::StringLiterals;

namespace {

// The task numbers of one worksheet block: multiplicand, then multiplier digits from the highest place.
using Task = QList<int>;
using Blocks = QList<std::pair<int, QList<Task>>>; // how many blocks are drawn with which tasks

// Every block of a sheet drawn with the sample tasks of the worked examples.
QList<double> sampleDraws(SheetKind kind)
{
    const QList<Task> singleSix{{456, 7}, {123, 4}, {809, 3}, {250, 9}, {999, 9}, {100, 2}};
    const QList<Task> singleFive{{456, 7}, {123, 4}, {809, 3}, {999, 9}, {100, 2}};
    const QList<Task> twoSix{{456, 7, 8}, {123, 4, 5}, {809, 3, 2}, {250, 9, 9}, {999, 9, 9}, {100, 2, 2}};
    const QList<Task> twoFour{{4567, 7, 8}, {1234, 4, 5}, {9999, 9, 9}, {1000, 2, 2}};
    const QList<Task> threeFour{{456, 7, 8, 9}, {123, 4, 5, 6}, {999, 9, 9, 9}, {100, 2, 2, 2}};
    const Blocks blocks = kind == SheetKind::SingleRow ? Blocks{{5, singleSix}, {2, singleFive}}
        : kind == SheetKind::TwoRow                    ? Blocks{{3, twoSix}, {2, twoFour}}
                                                       : Blocks{{4, threeFour}};
    QList<double> draws;
    for (const auto &[count, tasks] : blocks) {
        for (int block = 0; block < count; ++block) {
            for (const Task &task : tasks) {
                const int from = task.first() >= 1000 ? 1000 : 100;
                draws.append(ScriptedRandom::forDigit(task.first(), from, 9 * from));
                for (int i = 1; i < task.size(); ++i)
                    draws.append(ScriptedRandom::forDigit(task.at(i), 2, 8));
            }
        }
    }
    return draws;
}

// The worked examples mark each blank with a middle dot.
QString dots(QString text)
{
    return text.replace(QChar(0x00B7), QLatin1Char(' '));
}

// Logs re-seeds and draws in the order they happen.
class RecordingRandom final : public RandomSource {
public:
    QStringList events;
    double next() override
    {
        events.append(u"draw"_s);
        return 0.5;
    }
    void reseed(double seconds) override { events.append(u"reseed "_s + QString::number(seconds, 'f', 2)); }
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
        << single << false << 0 << u"456*7···123*4···809*3···250*9···999*9···100*2···"_s;
    QTest::newRow("single-row ones RulerLine")
        << single << false << 1 << u"-----···-----···-----···-----···-----···-----···"_s;
    QTest::newRow("single-row ones AnswerRow")
        << single << false << 2 << u"·3192·····492····2427····2250····8991·····200···"_s;
    QTest::newRow("single-row tens TaskLine")
        << single << false << 16 << u"456*70··123*40··809*30··250*90··999*90··100*20··"_s;
    QTest::newRow("single-row tens RulerLine")
        << single << false << 17 << u"------··------··------··------··------··------··"_s;
    QTest::newRow("single-row tens AnswerRow")
        << single << false << 18 << u"·31920····4920···24270···22500···89910····2000··"_s;
    QTest::newRow("single-row hundreds TaskLine")
        << single << false << 27 << u"456*700···123*400···809*300···999*900···100*200···"_s;
    QTest::newRow("single-row hundreds RulerLine")
        << single << false << 28 << u"-------···-------···-------···-------···-------···"_s;
    QTest::newRow("single-row hundreds AnswerRow")
        << single << false << 29 << u"·319200·····49200····242700····899100·····20000···"_s;
    QTest::newRow("single-row ignores the staircase")
        << single << true << 18 << u"·31920····4920···24270···22500···89910····2000··"_s;

    QTest::newRow("two-row TaskLine") << two << false << 1 << u"456*78··123*45··809*32··250*99··999*99··100*22··"_s;
    QTest::newRow("two-row first partial product, flush")
        << two << false << 3 << u"·31920····4920···24270···22500···89910····2000··"_s;
    QTest::newRow("two-row first partial product, staircase")
        << two << true << 3 << u"·3192·····492····2427····2250····8991·····200···"_s;
    QTest::newRow("two-row second partial product")
        << two << true << 4 << u"··3648·····615····1618····2250····8991·····200··"_s;
    QTest::newRow("two-row result") << two << false << 6 << u"·35568····5535···25888···24750···98901····2200··"_s;
    QTest::newRow("two-row four-digit TaskLine")
        << two << false << 25 << u"4567*78······1234*45······9999*99······1000*22······"_s;
    QTest::newRow("two-row four-digit result")
        << two << false << 30 << u"·356226········55530·······989901········22000······"_s;

    QTest::newRow("three-row TaskLine") << three << false << 1 << u"456*789·····123*456·····999*999·····100*222·····"_s;
    QTest::newRow("three-row first partial product, flush")
        << three << false << 3 << u"·319200·······49200······899100·······20000·····"_s;
    QTest::newRow("three-row first partial product, staircase")
        << three << true << 3 << u"·3192·········492········8991·········200·······"_s;
    QTest::newRow("three-row second partial product, flush")
        << three << false << 4 << u"··36480········6150·······89910········2000·····"_s;
    QTest::newRow("three-row second partial product, staircase")
        << three << true << 4 << u"··3648·········615········8991·········200······"_s;
    QTest::newRow("three-row third partial product")
        << three << true << 5 << u"···4104·········738········8991·········200·····"_s;
    QTest::newRow("three-row result") << three << true << 7 << u"·359784·······56088······998001·······22200·····"_s;
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
    QCOMPARE(sheet.at(row), dots(expected));
    QCOMPARE(random.remaining(), 0);
    QCOMPARE(random.exhausted(), 0);
}

void TestWorksheetBuilder::sheetHasFixedRowsAndLengths_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QList<int>>("blankRows");
    QTest::addColumn<int>("wideFrom"); // rows from here on are wider than 48
    QTest::addColumn<int>("wideLength");

    QTest::newRow("single-row: 37 rows, hundreds blocks 50 wide")
        << SheetKind::SingleRow << 37
        << QList<int>{3, 4, 8, 9, 13, 14, 15, 19, 20, 24, 25, 26, 30, 31, 35, 36} << 27 << 50;
    QTest::newRow("two-row: 40 rows, four-digit blocks 52 wide")
        << SheetKind::TwoRow << 40 << QList<int>{0, 7, 8, 15, 16, 23, 24, 31, 32, 39} << 24 << 52;
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
            const QStringList sheet = WorksheetBuilder::buildWorksheet(kind, staircase, random, platform);
            QCOMPARE(sheet.size(), rowCount);
            for (int row = 0; row < sheet.size(); ++row) {
                const qsizetype length = blankRows.contains(row) ? 1 : row >= wideFrom ? wideLength : 48;
                QVERIFY2(sheet.at(row).size() == length,
                         qPrintable(QStringLiteral("row %1: '%2'").arg(row).arg(sheet.at(row))));
            }
            for (int row : blankRows)
                QCOMPARE(sheet.at(row), u" "_s);
        }
    }
}

void TestWorksheetBuilder::smallestAndLargestNumbersKeepTheirColumns_data()
{
    // Each cell with its separator, drawn once with every r = 0 and once with every r just below 1.
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("smallest");
    QTest::addColumn<QString>("largest");
    QTest::addColumn<int>("cells");

    QTest::newRow("single-row ones products 200 to 8991") << SheetKind::SingleRow << 2 << u"  200   "_s << u" 8991   "_s << 6;
    QTest::newRow("single-row tens products 2000 to 89910")
        << SheetKind::SingleRow << 23 << u"  2000  "_s << u" 89910  "_s << 6;
    QTest::newRow("single-row hundreds products 20000 to 899100")
        << SheetKind::SingleRow << 34 << u"  20000   "_s << u" 899100   "_s << 5;
    QTest::newRow("single-row hundreds tasks 100*200 to 999*900")
        << SheetKind::SingleRow << 27 << u"100*200   "_s << u"999*900   "_s << 5;
    QTest::newRow("two-row results 2200 to 98901") << SheetKind::TwoRow << 22 << u"  2200  "_s << u" 98901  "_s << 6;
    QTest::newRow("two-row four-digit results 22000 to 989901")
        << SheetKind::TwoRow << 38 << u"  22000      "_s << u" 989901      "_s << 4;
    QTest::newRow("three-row results 22200 to 998001")
        << SheetKind::ThreeRow << 34 << u"  22200     "_s << u" 998001     "_s << 4;
}

void TestWorksheetBuilder::smallestAndLargestNumbersKeepTheirColumns()
{
    QFETCH(SheetKind, kind);
    QFETCH(int, row);
    QFETCH(QString, smallest);
    QFETCH(QString, largest);
    QFETCH(int, cells);

    ScriptedPlatform platform;
    for (const double r : {0.0, 0.9999999}) {
        ScriptedRandom random(QList<double>(200, r));
        const QStringList sheet = WorksheetBuilder::buildWorksheet(kind, false, random, platform);
        QCOMPARE(sheet.at(row), (r == 0.0 ? smallest : largest).repeated(cells));
    }
}

void TestWorksheetBuilder::reseedsFromTheClockBeforeEveryBlock_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<QList<int>>("drawsPerBlock");

    QTest::newRow("single-row: 5 blocks of six tasks, 2 of five")
        << SheetKind::SingleRow << QList<int>{12, 12, 12, 12, 12, 10, 10};
    QTest::newRow("two-row: 3 blocks of six tasks, 2 of four") << SheetKind::TwoRow << QList<int>{18, 18, 18, 12, 12};
    QTest::newRow("three-row: 4 blocks of four tasks") << SheetKind::ThreeRow << QList<int>{16, 16, 16, 16};
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
    for (int draws : drawsPerBlock)
        expected << u"reseed 36125.25"_s << QStringList(draws, u"draw"_s);
    QCOMPARE(random.events, expected);
}

QTEST_APPLESS_MAIN(TestWorksheetBuilder)
#include "test_worksheet_builder.moc"
