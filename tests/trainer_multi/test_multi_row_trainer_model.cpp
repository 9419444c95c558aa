// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_multi/multi_row_trainer_model.h"

#include "shell/random_source.h"
#include "support/cells.h"
#include "support/help_agrees.h"
#include "support/multi_row_draws.h"
#include "support/scripted_platform.h"
#include "support/scripted_random.h"

#include <QtTest/QTest>

namespace {
const QString solvedText = QStringLiteral("Die Aufgabe wurde richtig gelöst.\r\r");

const MultiRowDesign &designWith(int rows)
{
    return rows == 3 ? MultiRowDesign::threeRows() : MultiRowDesign::twoRows();
}

struct Fixture {
    explicit Fixture(int rows) : model(designWith(rows), platform, random) {}
    ScriptedPlatform platform;
    ScriptedRandom random;
    MultiRowTrainerModel model;

    void newTask(int multiplicand, const QList<int> &multiplier)
    {
        random.append(multiRowDraws(multiplicand, multiplier));
        model.activate();
    }
    int cell(const QString &name) const { return cellNamed(model.design(), name); }
    QString text(const QString &name) const { return shown(model, cell(name)); }
    bool visible(const QString &name) const { return model.isVisible(cell(name)); }
    QString expected(const QString &name) const { return ::expected(model, cell(name)); }
    void drop(const QString &name, const QString &digit) { model.dropDigit(cell(name), digit.isEmpty() ? -1 : digit.toInt()); }
    // The number a row of the finished calculation holds, its place zeros included.
    QString rowNumber(int row, TrainerView view = TrainerView::Normal) const
    {
        QString number;
        for (int column = model.design().columns(); column >= 1; --column)
            number += ::expected(model, model.design().indexAt(view, row, column));
        return number;
    }
    QStringList rowNumbers() const
    {
        QStringList numbers;
        for (int row = 1; row < model.design().rows(); ++row)
            numbers.append(rowNumber(row));
        return numbers;
    }
    // Every field the pupil can fill right now, from the top row down.
    QStringList openFields() const
    {
        const TrainerView view = model.gapMode() ? TrainerView::GapPanel : TrainerView::Normal;
        const TrainerDesign &design = model.design();
        QStringList fields;
        for (int i = 0; i < design.size(); ++i)
            if (design.cell(i).view == view && design.takesDrops(i) && model.isVisible(i))
                fields.append(design.cell(i).name);
        return fields;
    }
    // Drops the right digit on each open field; the number of drops until solved.
    int solve()
    {
        const qsizetype before = platform.messages.size();
        int drops = 0;
        for (const QString &field : openFields()) {
            drop(field, expected(field));
            ++drops;
            if (platform.messages.size() > before)
                break;
        }
        return drops;
    }
};
} // namespace

class TestMultiRowTrainerModel : public QObject {
    Q_OBJECT
private slots:
    void finishedCalculationOfTheExtremeTasks_data();
    void finishedCalculationOfTheExtremeTasks();
    void expectedDigitOfEveryField_data();
    void expectedDigitOfEveryField();
    void taskIsSolvedByItsLastDigitInEitherLayout_data();
    void taskIsSolvedByItsLastDigitInEitherLayout();
    void layoutSwitchKeepsTheTaskAndIsReadWhenChecking();
    void wrongDigitIsCountedAndRemoved();
    void gapTaskLeavesItsDigitsOut_data();
    void gapTaskLeavesItsDigitsOut();
    void gapModeLastsUntilNormal();
    void dropsThatDoNotBelongAreIgnored_data();
    void dropsThatDoNotBelongAreIgnored();
    void drawsStayInTheirRanges_data();
    void drawsStayInTheirRanges();
    void helpSpeaksOfTheDigitsTheCheckExpects();
};

void TestMultiRowTrainerModel::finishedCalculationOfTheExtremeTasks_data()
{
    QTest::addColumn<int>("multiplicand");
    QTest::addColumn<QList<int>>("multiplier");
    QTest::addColumn<QStringList>("key");
    QTest::newRow("smallest two-row") << 5001 << QList<int>{2, 2} << QStringList{"100020", "10002", "110022"};
    QTest::newRow("largest two-row") << 9994 << QList<int>{9, 9} << QStringList{"899460", "89946", "989406"};
    QTest::newRow("smallest three-row") << 5001 << QList<int>{2, 2, 2}
                                        << QStringList{"1000200", "100020", "10002", "1110222"};
    QTest::newRow("largest three-row") << 9994 << QList<int>{9, 9, 9}
                                       << QStringList{"8994600", "899460", "89946", "9984006"};
}

void TestMultiRowTrainerModel::finishedCalculationOfTheExtremeTasks()
{
    QFETCH(int, multiplicand);
    QFETCH(QList<int>, multiplier);
    QFETCH(QStringList, key);
    Fixture f(int(multiplier.size()));
    f.newTask(multiplicand, multiplier);
    QCOMPARE(f.rowNumbers(), key);
    QCOMPARE(f.random.reseeds(), 1);
    // The task row shows the digits in their places.
    QCOMPARE(f.text(QStringLiteral("Bezeichnung1")), QString::number(multiplicand / 1000));
    QCOMPARE(f.text(QStringLiteral("Bezeichnung4")), QString::number(multiplicand % 10));
    QCOMPARE(f.text(QStringLiteral("Bezeichnung5")), QString::number(multiplier.first()));
    QCOMPARE(f.text(multiplier.size() == 3 ? QStringLiteral("Bezeichnung10")
                                                 : QStringLiteral("Bezeichnung6")),
             QString::number(multiplier.last()));
}

void TestMultiRowTrainerModel::expectedDigitOfEveryField_data()
{
    QTest::addColumn<QList<int>>("multiplier");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("digits");
    // 5678 · 34: 170340, 22712, 193052.
    QTest::newRow("two rows")
        << QList<int>{3, 4}
        << QString("17 18 19 20 21 9 11 12 13 14 26 28 30 31 32 33 34").split(' ')
        << "170340" "22712" "193052";
    // 5678 · 345: 1703400, 227120, 28390, 1958910.
    QTest::newRow("three rows")
        << QList<int>{3, 4, 5}
        << QString("17 18 19 20 21 9 27 11 12 13 14 26 35 41 40 39 38 37 28 30 31 32 33 34 36").split(' ')
        << "1703400" "227120" "28390" "1958910";
}

void TestMultiRowTrainerModel::expectedDigitOfEveryField()
{
    QFETCH(QList<int>, multiplier);
    QFETCH(QStringList, fields);
    QFETCH(QString, digits);
    Fixture f(int(multiplier.size()));
    f.newTask(5678, multiplier);
    QString expected;
    for (const QString &number : fields)
        expected += f.expected(QStringLiteral("Bezeichnung") + number);
    QCOMPARE(expected, digits);
    QCOMPARE(f.openFields().size(), fields.size());
}

void TestMultiRowTrainerModel::taskIsSolvedByItsLastDigitInEitherLayout_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("staircase");
    QTest::addColumn<int>("digits");
    QTest::newRow("two rows, flush") << 2 << false << 17;
    QTest::newRow("two rows, staircase") << 2 << true << 16;
    QTest::newRow("three rows, flush") << 3 << false << 25;
    QTest::newRow("three rows, staircase") << 3 << true << 22;
}

void TestMultiRowTrainerModel::taskIsSolvedByItsLastDigitInEitherLayout()
{
    QFETCH(int, rows);
    QFETCH(bool, staircase);
    QFETCH(int, digits);
    Fixture f(rows);
    if (staircase)
        f.model.toggleRowLayout();
    QCOMPARE(f.model.layoutCaption(), staircase ? QStringLiteral("Bündig") : QStringLiteral("Treppe"));
    f.newTask(5001, QList<int>(rows, 2));
    f.random.append(multiRowDraws(7777, QList<int>(rows, 7)));
    QCOMPARE(f.solve(), digits);
    QCOMPARE(f.platform.messageTexts(), QStringList{solvedText});
    QCOMPARE(f.platform.messages.first().title, QStringLiteral("Malaufgabe"));
    QCOMPARE(f.model.rewards().points(), digits);
    QCOMPARE(f.model.rewards().rocketSteps(), 1);
    // The next task stands at once, all its fields empty.
    QCOMPARE(f.text(QStringLiteral("Bezeichnung1")), QStringLiteral("7"));
    QCOMPARE(f.text(QStringLiteral("Bezeichnung17")), QString());
}

void TestMultiRowTrainerModel::layoutSwitchKeepsTheTaskAndIsReadWhenChecking()
{
    Fixture f(2);
    f.newTask(5001, {2, 2});
    f.drop(QStringLiteral("Bezeichnung9"), QStringLiteral("0"));
    f.model.toggleRowLayout();
    QVERIFY(!f.visible(QStringLiteral("Bezeichnung9")));
    QVERIFY(!f.visible(QStringLiteral("luecke7")));
    f.model.toggleRowLayout();
    QCOMPARE(f.text(QStringLiteral("Bezeichnung9")), QStringLiteral("0")); // kept through both switches
    QCOMPARE(f.rowNumber(1), QStringLiteral("100020"));

    // Flush with the zero field empty: all other digits do not solve the task.
    f.newTask(5001, {2, 2});
    for (const QString &field : f.openFields())
        if (field != QStringLiteral("Bezeichnung9"))
            f.drop(field, f.expected(field));
    QVERIFY(f.platform.messages.isEmpty());
    // The check reads the layout when it runs: in the staircase the zero is supplied.
    f.model.toggleRowLayout();
    QVERIFY(f.platform.messages.isEmpty());
    f.drop(QStringLiteral("Bezeichnung34"), QStringLiteral("2"));
    QCOMPARE(f.platform.messageTexts(), QStringList{solvedText});
}

void TestMultiRowTrainerModel::wrongDigitIsCountedAndRemoved()
{
    Fixture f(3);
    f.newTask(5001, {2, 2, 2});
    QString shownWhileReported;
    f.platform.whileMessageOpen = [&](const ScriptedPlatform::Message &) {
        shownWhileReported = f.text(QStringLiteral("Bezeichnung27"));
    };
    f.drop(QStringLiteral("Bezeichnung27"), QStringLiteral("1")); // a zero field takes only "0"
    QCOMPARE(shownWhileReported, QStringLiteral("1"));
    QCOMPARE(f.text(QStringLiteral("Bezeichnung27")), QString());
    QCOMPARE(f.model.errors(), 1);
    QCOMPARE(f.platform.messages.first().title, QStringLiteral("Fehler"));
    f.drop(QStringLiteral("Bezeichnung27"), QStringLiteral("0"));
    f.drop(QStringLiteral("Bezeichnung27"), QStringLiteral("0"));
    QCOMPARE(f.model.rewards().points(), 2);
}

void TestMultiRowTrainerModel::gapTaskLeavesItsDigitsOut_data()
{
    QTest::addColumn<int>("multiplicand");
    QTest::addColumn<QList<int>>("multiplier");
    QTest::addColumn<QStringList>("keyB");
    QTest::addColumn<QString>("firstRow"); // gap panel, first partial product, "_" for a gap
    QTest::newRow("two rows, 5001 · 22") << 5001 << QList<int>{2, 2}
                                         << QString("0 0 0 0 2 0 1").split(' ') << "1_0_20";
    QTest::newRow("three rows, 5678 · 345") << 5678 << QList<int>{3, 4, 5}
                                            << QString("3 7 1 2 0 9 1 8 9").split(' ') << "1_0_400";
}

void TestMultiRowTrainerModel::gapTaskLeavesItsDigitsOut()
{
    QFETCH(int, multiplicand);
    QFETCH(QList<int>, multiplier);
    QFETCH(QStringList, keyB);
    QFETCH(QString, firstRow);
    const int rows = int(multiplier.size());
    Fixture f(rows);
    f.random.append(multiRowDraws(multiplicand, multiplier));
    f.model.chooseGaps();
    QVERIFY(f.model.gapMode());
    QStringList gaps;
    for (int gap : f.model.writingCells())
        gaps.append(expected(f.model, gap));
    QCOMPARE(gaps, keyB);
    QString shown;
    for (const TrainerCell &cell : f.model.design().cells())
        if (cell.view == TrainerView::GapPanel && cell.row == 1)
            shown += f.text(cell.name).isEmpty() ? QStringLiteral("_") : f.text(cell.name);
    QCOMPARE(shown, firstRow);
    QCOMPARE(f.text(QStringLiteral("luecke1")), QString::number(multiplicand / 1000));
    // The normal view is not touched by a gap task.
    QCOMPARE(f.text(QStringLiteral("Bezeichnung1")), QString());

    // Solved by the last gap, whatever the layout.
    f.model.toggleRowLayout();
    f.random.append(multiRowDraws(6666, QList<int>(rows, 6)));
    QCOMPARE(f.solve(), int(keyB.size()));
    QCOMPARE(f.platform.messages.last().title, QStringLiteral("Lückenaufgabe"));
    QCOMPARE(f.text(QStringLiteral("luecke1")), QStringLiteral("6")); // the next gap task
    QVERIFY(f.model.gapMode());
}

void TestMultiRowTrainerModel::gapModeLastsUntilNormal()
{
    Fixture f(2);
    f.random.append(multiRowDraws(5001, {2, 2}));
    f.model.chooseGaps();
    f.newTask(6002, {3, 3}); // activation in gap mode replaces the gap task
    QCOMPARE(f.text(QStringLiteral("luecke1")), QStringLiteral("6"));
    f.random.append(multiRowDraws(7003, {4, 4}));
    f.model.chooseGaps(); // "Lücke" again: another gap task
    QCOMPARE(f.text(QStringLiteral("luecke1")), QStringLiteral("7"));
    f.random.append(multiRowDraws(8004, {5, 5}));
    f.model.chooseNormal();
    QVERIFY(!f.model.gapMode());
    QCOMPARE(f.text(QStringLiteral("Bezeichnung1")), QStringLiteral("8"));
    QCOMPARE(f.rowNumbers().last(), QString::number(8004 * 55));
    f.model.chooseGaps();
    f.model.leave(); // "Ende" leaves gap mode without a task
    QVERIFY(!f.model.gapMode());
    QCOMPARE(f.random.reseeds(), 5);
}

void TestMultiRowTrainerModel::dropsThatDoNotBelongAreIgnored_data()
{
    QTest::addColumn<bool>("gapMode");
    QTest::addColumn<bool>("staircase");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("digit");
    QTest::newRow("a task digit") << false << false << "Bezeichnung5" << "2";
    QTest::newRow("a hidden zero field") << false << true << "Bezeichnung9" << "0";
    QTest::newRow("an answer field under the gap panel") << true << false << "Bezeichnung17" << "1";
    QTest::newRow("a digit the gap panel shows") << true << false << "luecke12" << "1";
    QTest::newRow("a gap while the panel is away") << false << false << "luecke9" << "0";
    QTest::newRow("no digit") << false << false << "Bezeichnung17" << "";
    QTest::newRow("no field") << false << false << "Bezeichnung99" << "1";
}

void TestMultiRowTrainerModel::dropsThatDoNotBelongAreIgnored()
{
    QFETCH(bool, gapMode);
    QFETCH(bool, staircase);
    QFETCH(QString, field);
    QFETCH(QString, digit);
    Fixture f(2);
    f.random.append(multiRowDraws(5001, {2, 2}));
    if (gapMode)
        f.model.chooseGaps();
    else
        f.model.activate();
    if (staircase)
        f.model.toggleRowLayout();
    const QString before = f.text(field);
    f.drop(field, digit);
    QCOMPARE(f.text(field), before);
    QCOMPARE(f.model.rewards().points() + f.model.errors(), 0);
    QVERIFY(f.platform.messages.isEmpty());
}

void TestMultiRowTrainerModel::drawsStayInTheirRanges_data()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("two rows") << 2;
    QTest::newRow("three rows") << 3;
}

void TestMultiRowTrainerModel::drawsStayInTheirRanges()
{
    QFETCH(int, rows);
    ScriptedPlatform platform;
    MixingRandomSource random(42);
    MultiRowTrainerModel model(designWith(rows), platform, random);
    QList<int> lengths{5 + rows - 1, 5 + rows - 2};
    if (rows == 3)
        lengths.append(5);
    lengths.append(4 + rows);
    for (int i = 0; i < 3000; ++i) {
        platform.clock += 0.001;
        model.activate();
        QString taskRow;
        for (int c = 0; c < model.design().size(); ++c)
            if (model.design().cell(c).view == TrainerView::Normal && model.design().cell(c).row == 0)
                taskRow += shown(model, c);
        const int multiplicand = taskRow.left(4).toInt();
        QVERIFY(multiplicand >= 5001 && multiplicand <= 9994 && multiplicand % 10 >= 1 && multiplicand % 10 <= 4);
        for (QChar digit : taskRow.mid(4))
            QVERIFY(digit >= QLatin1Char('2') && digit <= QLatin1Char('9'));
        QStringList key;
        for (int row = 1; row < model.design().rows(); ++row) {
            QString number;
            for (int column = model.design().columns(); column >= 1; --column)
                number += expected(model, model.design().indexAt(TrainerView::Normal, row, column));
            key.append(number);
        }
        qint64 sum = 0;
        for (int e = 0; e < key.size(); ++e) {
            QCOMPARE(key.at(e).size(), lengths.at(e));
            if (e < rows)
                sum += key.at(e).toLongLong();
        }
        QCOMPARE(sum, key.last().toLongLong());
    }
}

// Of the partial products, their zeros and the sum, in both layouts and in gap tasks.
void TestMultiRowTrainerModel::helpSpeaksOfTheDigitsTheCheckExpects()
{
    for (int rows : {2, 3}) {
        Fixture f(rows);
        f.newTask(9994, QList<int>(rows, 9));
        QCOMPARE(helpDisagreement(f.model), QString());
        f.model.toggleRowLayout();
        QCOMPARE(helpDisagreement(f.model), QString());
        f.random.append(multiRowDraws(5001, QList<int>(rows, 2)));
        f.model.chooseGaps();
        QCOMPARE(helpDisagreement(f.model), QString());
    }
}

QTEST_MAIN(TestMultiRowTrainerModel)
#include "test_multi_row_trainer_model.moc"
