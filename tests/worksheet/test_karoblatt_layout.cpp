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

// Rows of the pictures are parted by "|".
void TestKaroblattLayout::taskStandsAsInTheExerciseBook_data()
{
    QTest::addColumn<QString>("task");
    QTest::addColumn<bool>("staircase");
    QTest::addColumn<QList<WrittenPlace>>("gaps");
    QTest::addColumn<QString>("solution");
    QTest::addColumn<QString>("tasks");
    QTest::addColumn<QList<int>>("ruleRows");
    const QList<WrittenPlace> none;
    QTest::newRow("12 · 3: the carry under the tens, the product ends under the multiplier")
        << u"12·3"_s << false << none << u"12·3|0   |  36"_s << u"12·3|_   |  .."_s << QList<int>{1};
    QTest::newRow("305 · 70: carries over the zero, the zero brought down")
        << u"305·70"_s << false << none << u"305·70|03    | 21350"_s << u"305·70|__    | ....."_s << QList<int>{1};
    QTest::newRow("12 · 34 in the staircase: each row ends under its digit, the sum carries once")
        << u"12·34"_s << true << none << u"12·34|  36 |   48|  10 |  408"_s << u"12·34|  .. |   ..|  __ |  ..."_s
        << QList<int>{0, 3};
    QTest::newRow("12 · 34 flush: the first row with the zero of its place")
        << u"12·34"_s << false << none << u"12·34|  360|   48|  10 |  408"_s << u"12·34|  ...|   ..|  __ |  ..."_s
        << QList<int>{0, 3};
    QTest::newRow("21 · 123 in the staircase: three rows stepping right")
        << u"21·123"_s << true << none << u"21·123|  21  |   42 |    63|  000 |  2583"_s
        << u"21·123|  ..  |   .. |    ..|  ___ |  ...."_s << QList<int>{0, 4};
    QTest::newRow("gap task 12 · 34: all given but the gaps, the carries too")
        << u"12·34"_s << true
        << QList<WrittenPlace>{{Line::PartialProduct, 0, 3}, {Line::PartialProduct, 1, 1}, {Line::Product, 0, 2}}
        << u"12·34|  36 |   48|  10 |  408"_s << u"12·34|  ?6 |   4?|  10 |  4?8"_s << QList<int>{0, 3};
    QTest::newRow("gap task 305 · 7: a gap in the multiplicand")
        << u"305·7"_s << false << QList<WrittenPlace>{{Line::Multiplicand, 0, 3}, {Line::Product, 0, 1}}
        << u"305·7|03   | 2135"_s << u"?05·7|03   | 213?"_s << QList<int>{1};
}

void TestKaroblattLayout::taskStandsAsInTheExerciseBook()
{
    QFETCH(QString, task);
    QFETCH(bool, staircase);
    QFETCH(QList<WrittenPlace>, gaps);
    QFETCH(QString, solution);
    QFETCH(QString, tasks);
    QFETCH(QList<int>, ruleRows);

    const QStringList factors = task.split(KaroblattLayout::sign);
    const TaskBlock block =
        KaroblattLayout::taskBlock({WrittenMultiplication(digits(factors.at(0)), digits(factors.at(1))), gaps}, staircase);
    QCOMPARE(picture(block, SheetSide::Solutions), solution.split(u'|'));
    QCOMPARE(picture(block, SheetSide::Tasks), tasks.split(u'|'));
    QList<int> rules;
    for (const SheetRule &rule : block.rules) {
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
    const QList<SheetPage> pages = KaroblattLayout::pages(u"Zweireihige Multiplikation"_s, {task}, false);
    const auto texts = [&](SheetSide side, PageInk ink) {
        QString inked;
        const DrawnDocument document = KaroblattDrawing::document(pages, side);
        for (const PageText &text : document.pages.first().texts)
            if (text.ink == ink && text.box.left() > 20 && text.box.right() < Paper::width)
                inked += text.text;
        return inked;
    };
    QCOMPARE(texts(SheetSide::Tasks, PageInk::Print), texts(SheetSide::Solutions, PageInk::Print));
    QCOMPARE(texts(SheetSide::Tasks, PageInk::Solution), QString());
    // Digit by digit from the right: 94220, 14133, the carries 1 0 0 0 0 and 108353.
    QCOMPARE(texts(SheetSide::Solutions, PageInk::Solution), u"Lösungen022493314100001353801"_s);
    int grid = 0;
    const DrawnDocument tasks = KaroblattDrawing::document(pages, SheetSide::Tasks);
    for (const PageLine &line : tasks.pages.first().lines)
        grid += line.ink == PageInk::Grid && qMin(line.line.x1(), line.line.x2()) >= 20;
    QCOMPARE(grid, KaroblattLayout::gridColumns + 1 + KaroblattLayout::gridRows + 1);
}

QTEST_APPLESS_MAIN(TestKaroblattLayout)
#include "test_karoblatt_layout.moc"
