// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/trainer_model.h"

#include "support/cells.h"
#include "support/scripted_platform.h"
#include "support/scripted_random.h"

#include <QSignalSpy>
#include <QtTest/QTest>

namespace {
using V = TrainerView;
using R = CellRole;

// The smallest trainer there is: 23 · 4 = 92 on four columns, the product
// written from the right; its gap task leaves out the 3 and the 2.
const TrainerDesign &tinyDesign()
{
    static const TrainerDesign design = [] {
        QList<TrainerCell> cells;
        for (V view : {V::Normal, V::GapPanel}) {
            const bool normal = view == V::Normal;
            const QString prefix = normal ? QStringLiteral("n") : QStringLiteral("g");
            auto add = [&](const char *name, int row, int column, R role, int place) {
                cells.append({prefix + QLatin1String(name), view, row, column, role, place});
            };
            add("Tens", 0, 4, normal ? R::TaskDigit : R::Given, 2);
            add("Ones", 0, 3, normal ? R::TaskDigit : R::Gap, 1);
            add("Dot", 0, 2, R::Dot, 0);
            add("Multiplier", 0, 1, normal ? R::TaskDigit : R::Given, 1);
            add("ResultTens", 1, 2, normal ? R::Answer : R::Given, 2);
            add("ResultOnes", 1, 1, normal ? R::Answer : R::Gap, 1);
        }
        return TrainerDesign(4, {QStringLiteral("Ergebnis")}, cells,
                             {{V::Normal, 1, 1}, {V::Normal, 1, 2}, {V::GapPanel, 0, 3}, {V::GapPanel, 1, 1}});
    }();
    return design;
}

class TinyModel : public TrainerModel {
public:
    TinyModel(Platform &platform, RandomSource &random)
        : TrainerModel(tinyDesign(), platform, random, false)
    {
    }
    void chooseGaps()
    {
        bringIntoSight(V::GapPanel);
        newGapTask();
    }
    CalculationStep stepOf(int cell) const override
    {
        const TrainerCell &c = design().cell(cell);
        if (c.row == 1)
            return CalculationStep::rowDigit(0, c.column);
        return c.column > 2 ? CalculationStep::multiplicandDigit(c.column - 3) : CalculationStep::multiplierDigit(0);
    }
    WrittenMultiplication written() const override { return WrittenMultiplication({2, 3}, {4}); }

protected:
    void drawTask() override {}
    int solutionDigit(int row, int column) const override
    {
        static const int digits[2][5] = {{-1, 4, -1, 3, 2}, {-1, 2, 9, -1, -1}};
        return row >= 0 && row < 2 && column >= 0 && column < 5 ? digits[row][column] : -1;
    }
    void taskDrawn(TrainerView) override {}
    QList<int> gapsToOpen() override { return {design().indexAt(V::GapPanel, 0, 3), design().indexAt(V::GapPanel, 1, 1)}; }
};

struct Fixture {
    ScriptedPlatform platform;
    ScriptedRandom random;
    TinyModel model{platform, random};
    int cell(const char *name) const { return cellNamed(tinyDesign(), QString::fromLatin1(name)); }
};
} // namespace

class TestTrainerModel : public QObject {
    Q_OBJECT
private slots:
    void writingGoesOnToTheNextEmptyCell();
    void arrowsStayInTheirRowAndGoToTheNearestRow_data();
    void arrowsStayInTheirRowAndGoToTheNearestRow();
    void namesSayRowPlaceAndContent();
    void lastRightDigitSolvesAndAWrongOneIsTakenBack();
};

void TestTrainerModel::writingGoesOnToTheNextEmptyCell()
{
    Fixture f;
    QCOMPARE(f.model.firstToWrite(), f.cell("nResultOnes")); // no task yet: the first cell all the same
    f.model.activate();
    QCOMPARE(f.model.writingCells(), (QList<int>{f.cell("nResultOnes"), f.cell("nResultTens")}));
    QCOMPARE(f.model.dropDigit(f.cell("nResultOnes"), 2), DropOutcome::Right);
    QCOMPARE(f.model.firstToWrite(), f.cell("nResultTens"));
    QCOMPARE(f.model.nextToWrite(f.cell("nResultTens")), f.cell("nResultTens"));
    f.model.chooseGaps();
    QCOMPARE(f.model.writingCells(), (QList<int>{f.cell("gOnes"), f.cell("gResultOnes")}));
    QCOMPARE(f.model.nextToWrite(f.cell("gResultOnes")), f.cell("gOnes")); // round to the start
}

void TestTrainerModel::arrowsStayInTheirRowAndGoToTheNearestRow_data()
{
    QTest::addColumn<bool>("gaps");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("move");
    QTest::addColumn<QString>("to");
    QTest::newRow("left along the row") << false << "nResultOnes" << int(Move::Left) << "nResultTens";
    QTest::newRow("right at the row's end stays") << false << "nResultOnes" << int(Move::Right) << "nResultOnes";
    QTest::newRow("up: no row above to write in") << false << "nResultTens" << int(Move::Up) << "nResultTens";
    QTest::newRow("a gap alone in its row stays there sideways") << true << "gOnes" << int(Move::Left) << "gOnes";
    QTest::newRow("down to the nearest row, the nearest column") << true << "gOnes" << int(Move::Down) << "gResultOnes";
    QTest::newRow("and up again") << true << "gResultOnes" << int(Move::Up) << "gOnes";
}

void TestTrainerModel::arrowsStayInTheirRowAndGoToTheNearestRow()
{
    QFETCH(bool, gaps);
    QFETCH(QString, from);
    QFETCH(int, move);
    QFETCH(QString, to);
    Fixture f;
    gaps ? f.model.chooseGaps() : f.model.activate();
    QCOMPARE(tinyDesign().cell(f.model.neighbour(f.cell(qPrintable(from)), Move(move))).name, to);
}

void TestTrainerModel::namesSayRowPlaceAndContent()
{
    Fixture f;
    QCOMPARE(f.model.taskText(V::Normal), QStringLiteral("Malaufgabe"));
    f.model.activate();
    QCOMPARE(f.model.cellName(f.cell("nTens")), QStringLiteral("1. Faktor, Zehner: 2"));
    QCOMPARE(f.model.cellName(f.cell("nResultOnes")), QStringLiteral("Ergebnis, Einer: leer"));
    f.model.dropDigit(f.cell("nResultOnes"), 2);
    QCOMPARE(f.model.cellName(f.cell("nResultOnes")), QStringLiteral("Ergebnis, Einer: 2"));
    QCOMPARE(f.model.taskText(V::Normal), QStringLiteral("Malaufgabe: 23 mal 4"));
    f.model.chooseGaps();
    QCOMPARE(f.model.cellName(f.cell("gOnes")), QStringLiteral("Lücke, 1. Faktor, Einer: leer"));
    QCOMPARE(f.model.cellName(f.cell("gResultTens")), QStringLiteral("Lückenaufgabe, Ergebnis, Zehner: 9"));
    QCOMPARE(f.model.taskText(V::GapPanel), QStringLiteral("Lückenaufgabe: 2, Lücke mal 4"));
}

void TestTrainerModel::lastRightDigitSolvesAndAWrongOneIsTakenBack()
{
    Fixture f;
    f.model.activate();
    QSignalSpy rearranged(&f.model, &TrainerModel::rearranged);
    QCOMPARE(f.model.dropDigit(f.cell("nResultTens"), 8), DropOutcome::Wrong);
    QCOMPARE(f.model.digit(f.cell("nResultTens")), CellDigit());
    QCOMPARE(f.model.errors(), 1);
    QCOMPARE(f.model.dropDigit(f.cell("nTens"), 2), DropOutcome::Refused); // the task is no field
    QCOMPARE(f.model.dropDigit(f.cell("gOnes"), 3), DropOutcome::Refused); // the gap panel is away
    QCOMPARE(f.model.dropDigit(f.cell("nResultTens"), 9), DropOutcome::Right);
    QCOMPARE(rearranged.size(), 0);
    QCOMPARE(f.model.dropDigit(f.cell("nResultOnes"), 2), DropOutcome::Solved);
    QCOMPARE(rearranged.size(), 1); // the next task
    QCOMPARE(f.model.digit(f.cell("nResultOnes")), CellDigit());
    QCOMPARE(f.model.rewards().points(), 2);
    QCOMPARE(f.model.rewards().rocketSteps(), 1);
    QCOMPARE(f.platform.messages.last().title, QStringLiteral("Malaufgabe"));
}

QTEST_APPLESS_MAIN(TestTrainerModel)
#include "test_trainer_model.moc"
