// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/karoblatt_drawing.h"
#include "worksheet/karoblatt_layout.h"

#include <QtTest/QTest>

using namespace Qt::StringLiterals;
using Line = WrittenPlace::Line;

namespace {
QList<int> digits(const QString &number)
{
    QList<int> list;
    for (QChar c : number)
        list.append(c.digitValue());
    return list;
}

// A block drawn in characters, one per square: the solution sheet shows every
// text; the task sheet the given ones, "." for a digit to write, "_" for an
// empty carry box, "?" for a gap.
QStringList picture(const TaskBlock &block, SheetSide side)
{
    QStringList rows(block.height, QString(block.width, u' '));
    for (const SheetBox &box : block.boxes) {
        QChar shown = box.text.at(0);
        if (side == SheetSide::Tasks && box.role != BoxRole::Given)
            shown = box.role == BoxRole::Gap ? u'?' : box.kind == BoxKind::Carry ? u'_' : u'.';
        rows[box.row][box.column] = shown;
    }
    return rows;
}
} // namespace

class TestKaroblattLayout : public QObject {
    Q_OBJECT
private slots:
    void taskStandsAsInTheExerciseBook_data();
    void taskStandsAsInTheExerciseBook();
    void tasksAreNumberedInBandsAndNeverSplit_data();
    void tasksAreNumberedInBandsAndNeverSplit();
    void sheetsAreDrawnOnTheGridRightOfThePunchMargin();
};

void TestKaroblattLayout::taskStandsAsInTheExerciseBook_data()
{
    QTest::addColumn<QString>("task");
    QTest::addColumn<bool>("staircase");
    QTest::addColumn<QList<WrittenPlace>>("gaps");
    QTest::addColumn<QStringList>("solution");
    QTest::addColumn<QStringList>("tasks");
    QTest::addColumn<QList<int>>("ruleRows");

    QTest::newRow("12 · 3: the carry under the tens, the product ends under the multiplier")
        << u"12·3"_s << false << QList<WrittenPlace>{} << QStringList{u"12·3"_s, u"0   "_s, u"  36"_s}
        << QStringList{u"12·3"_s, u"_   "_s, u"  .."_s} << QList<int>{1};
    QTest::newRow("305 · 70: carries over the zero, the zero brought down")
        << u"305·70"_s << false << QList<WrittenPlace>{}
        << QStringList{u"305·70"_s, u"03    "_s, u" 21350"_s} << QStringList{u"305·70"_s, u"__    "_s, u" ....."_s}
        << QList<int>{1};
    QTest::newRow("12 · 34 in the staircase: each row ends under its digit, the sum carries once")
        << u"12·34"_s << true << QList<WrittenPlace>{}
        << QStringList{u"12·34"_s, u"  36 "_s, u"   48"_s, u"  10 "_s, u"  408"_s}
        << QStringList{u"12·34"_s, u"  .. "_s, u"   .."_s, u"  __ "_s, u"  ..."_s} << QList<int>{0, 3};
    QTest::newRow("12 · 34 flush: the first row with the zero of its place")
        << u"12·34"_s << false << QList<WrittenPlace>{}
        << QStringList{u"12·34"_s, u"  360"_s, u"   48"_s, u"  10 "_s, u"  408"_s}
        << QStringList{u"12·34"_s, u"  ..."_s, u"   .."_s, u"  __ "_s, u"  ..."_s} << QList<int>{0, 3};
    QTest::newRow("21 · 123 in the staircase: three rows stepping right")
        << u"21·123"_s << true << QList<WrittenPlace>{}
        << QStringList{u"21·123"_s, u"  21  "_s, u"   42 "_s, u"    63"_s, u"  000 "_s, u"  2583"_s}
        << QStringList{u"21·123"_s, u"  ..  "_s, u"   .. "_s, u"    .."_s, u"  ___ "_s, u"  ...."_s}
        << QList<int>{0, 4};
    QTest::newRow("gap task 12 · 34: all given but the gaps, the carries too")
        << u"12·34"_s << true
        << QList<WrittenPlace>{{Line::PartialProduct, 0, 3}, {Line::PartialProduct, 1, 1}, {Line::Product, 0, 2}}
        << QStringList{u"12·34"_s, u"  36 "_s, u"   48"_s, u"  10 "_s, u"  408"_s}
        << QStringList{u"12·34"_s, u"  ?6 "_s, u"   4?"_s, u"  10 "_s, u"  4?8"_s} << QList<int>{0, 3};
    QTest::newRow("gap task 305 · 7: a gap in the multiplicand")
        << u"305·7"_s << false << QList<WrittenPlace>{{Line::Multiplicand, 0, 3}, {Line::Product, 0, 1}}
        << QStringList{u"305·7"_s, u"03   "_s, u" 2135"_s} << QStringList{u"?05·7"_s, u"03   "_s, u" 213?"_s}
        << QList<int>{1};
}

void TestKaroblattLayout::taskStandsAsInTheExerciseBook()
{
    QFETCH(QString, task);
    QFETCH(bool, staircase);
    QFETCH(QList<WrittenPlace>, gaps);
    QFETCH(QStringList, solution);
    QFETCH(QStringList, tasks);
    QFETCH(QList<int>, ruleRows);

    const QStringList factors = task.split(KaroblattLayout::sign);
    const TaskBlock block =
        KaroblattLayout::taskBlock({WrittenMultiplication(digits(factors.at(0)), digits(factors.at(1))), gaps}, staircase);
    QCOMPARE(picture(block, SheetSide::Solutions), solution);
    QCOMPARE(picture(block, SheetSide::Tasks), tasks);
    QList<int> rules;
    for (const SheetRule &rule : block.rules) {
        QCOMPARE(rule.column, 0);
        QCOMPARE(rule.span, block.width);
        rules.append(rule.row);
    }
    QCOMPARE(rules, ruleRows);
    for (const SheetBox &box : block.boxes)
        QCOMPARE(box.kind == BoxKind::Carry, box.row == ruleRows.last() && box.row > 0);
}

void TestKaroblattLayout::tasksAreNumberedInBandsAndNeverSplit_data()
{
    QTest::addColumn<QString>("task");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<int>("perBand");
    QTest::addColumn<int>("bandHeight");

    QTest::newRow("27 one-row tasks of 4711 · 300 fill a page, three a band")
        << u"4711·300"_s << 28 << 27 << 3 << 5;
    QTest::newRow("five two-digit tasks 12 · 3 stand in a band, 45 on a page")
        << u"12·3"_s << 40 << 45 << 5 << 5;
    QTest::newRow("21 two-row tasks fill a page") << u"4711·23"_s << 30 << 21 << 3 << 7;
    QTest::newRow("18 three-row tasks fill a page") << u"4711·234"_s << 30 << 18 << 3 << 8;
}

void TestKaroblattLayout::tasksAreNumberedInBandsAndNeverSplit()
{
    QFETCH(QString, task);
    QFETCH(int, count);
    QFETCH(int, perPage);
    QFETCH(int, perBand);
    QFETCH(int, bandHeight);

    const QStringList factors = task.split(KaroblattLayout::sign);
    const SheetTask one{WrittenMultiplication(digits(factors.at(0)), digits(factors.at(1))), {}};
    const QList<SheetPage> pages = KaroblattLayout::pages(u"Titel"_s, QList<SheetTask>(count, one), false);
    QCOMPARE(pages.size(), (count + perPage - 1) / perPage);
    const int pitch = KaroblattLayout::gridColumns / perBand;
    for (int p = 0; p < pages.size(); ++p) {
        QStringList numbers;
        QStringList heads;
        for (const SheetBox &box : pages.at(p).boxes) {
            QVERIFY(box.row >= 0 && box.row + box.height <= KaroblattLayout::gridRows);
            QVERIFY(box.column >= 0 && box.column + box.span <= KaroblattLayout::gridColumns);
            if (box.kind == BoxKind::Number) {
                const int n = p * perPage + int(numbers.size());
                numbers.append(box.text);
                QCOMPARE(box.row, KaroblattLayout::headRows + n % perPage / perBand * bandHeight);
                QCOMPARE(box.column, n % perBand * pitch);
            } else if (box.kind == BoxKind::Label || box.kind == BoxKind::Heading) {
                heads.append(box.text);
            }
        }
        QCOMPARE(numbers.first(), u"%1)"_s.arg(p * perPage + 1));
        QCOMPARE(numbers.size(), std::min(perPage, count - p * perPage));
        QStringList head{u"Titel"_s, u"Lösungen"_s, u"Name:"_s, u"Datum:"_s};
        if (pages.size() > 1)
            head.insert(2, u"Seite %1 von %2"_s.arg(p + 1).arg(pages.size()));
        QCOMPARE(heads, head);
    }
}

void TestKaroblattLayout::sheetsAreDrawnOnTheGridRightOfThePunchMargin()
{
    const SheetTask task{WrittenMultiplication({4, 7, 1, 1}, {2, 3}), {}};
    const QList<SheetPage> pages = KaroblattLayout::pages(u"Zweireihige Multiplikation"_s, {task, task}, false);
    const DrawnDocument tasks = KaroblattDrawing::document(pages, SheetSide::Tasks);
    const DrawnDocument solutions = KaroblattDrawing::document(pages, SheetSide::Solutions);
    QCOMPARE(tasks.pages.size(), 1);
    const QRectF paper(0, 0, Paper::width, Paper::height);
    int gridLines = 0;
    for (const PageLine &line : tasks.pages.first().lines) {
        QVERIFY(line.line.x1() >= 20 && line.line.x2() >= 20);
        QVERIFY(paper.contains(line.line.p1()) && paper.contains(line.line.p2()));
        gridLines += line.ink == PageInk::Grid;
    }
    QCOMPARE(gridLines, KaroblattLayout::gridColumns + 1 + KaroblattLayout::gridRows + 1);
    const auto inkOf = [&paper](const DrawnDocument &document, PageInk ink) {
        QStringList texts;
        for (const PageText &text : document.pages.first().texts)
            if (text.ink == ink) {
                if (!paper.contains(text.box) || text.box.left() < 20)
                    return QStringList{u"outside: "_s + text.text};
                texts.append(text.text);
            }
        return texts;
    };
    // Both sheets print the head and the task rows; the solutions add, digit by digit from the
    // right, 94220, 14133, the carries 1 0 0 0 0 and 108353.
    QCOMPARE(inkOf(tasks, PageInk::Print), inkOf(solutions, PageInk::Print));
    QCOMPARE(inkOf(tasks, PageInk::Solution), QStringList());
    QCOMPARE(inkOf(solutions, PageInk::Solution).join(QString()),
             u"Lösungen"_s + u"022493314100001353801"_s.repeated(2));
}

QTEST_APPLESS_MAIN(TestKaroblattLayout)
#include "test_karoblatt_layout.moc"
