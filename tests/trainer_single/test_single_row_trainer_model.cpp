// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_single/single_row_trainer_model.h"

#include "shell/lenient_number.h"
#include "support/scripted_platform.h"
#include "support/scripted_random.h"
#include "support/single_row_draws.h"

#include <QSignalSpy>
#include <QtTest/QTest>

using E = SingleRowElement;

namespace {
const QString wrongText = QStringLiteral("Das ist leider falsch, rechne nochmal.\r\r");
const QString solvedText = QStringLiteral("Die Aufgabe wurde richtig gelöst.\r\r");

struct Fixture {
    ScriptedPlatform platform;
    ScriptedRandom random;
    SingleRowTrainerModel model{platform, random};
};
} // namespace

class TestSingleRowTrainerModel : public QObject {
    Q_OBJECT
private slots:
    void normalTaskLaysOutTheDrawnDigits();
    void carriesFollowWhatTheLowerCarryShows();
    void fiveDigitProductNeedsItsTenThousandsDigit();
    void kindsShowTheirZerosAndSolveWithoutTheBroughtDownZero_data();
    void kindsShowTheirZerosAndSolveWithoutTheBroughtDownZero();
    void sameRightDigitTwiceEarnsTwoPoints();
    void wrongDigitOverARightOneEmptiesTheField();
    void gapTaskFillsTheFinishedCalculation();
    void gapPatterns_data();
    void gapPatterns();
    void gapPatternTwoWithFourDigitProductHasTwoVisibleGaps();
    void wrongDigitOnAShownGapDigitMustBeRefilled();
    void gapKindShowsTheMultiplierZeros();
    void gapCommandTwiceKeepsTheGapKind();
    void normalTaskAfterLeavingGapModeIsSolvable();
    void activationMakesATaskOfTheCurrentMode();
    void dropsThatDoNotBelongAreIgnored_data();
    void dropsThatDoNotBelongAreIgnored();
    void eachTaskReseedsFromTheClock();
};

void TestSingleRowTrainerModel::normalTaskLaysOutTheDrawnDigits()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.model.activate();
    QCOMPARE(f.model.text(E::Digit1), QStringLiteral("1"));
    QCOMPARE(f.model.text(E::Digit4), QStringLiteral("4"));
    QCOMPARE(f.model.text(E::Multiplier), QStringLiteral("3"));
    QCOMPARE(f.model.text(E::MultiplierZero1), QStringLiteral("0"));
    QVERIFY(!f.model.isVisible(E::ProductTenThousands));
    QVERIFY(!f.model.isVisible(E::BroughtDownZero1));
    QVERIFY(!f.model.isVisible(E::RuleTens));
    QCOMPARE(f.model.kindIndicator(), QStringLiteral("E"));
    QCOMPARE(f.model.caption(), QStringLiteral("Einreihige Multiplikation mit Einerzahl"));
    QCOMPARE(f.model.answerKey().listA.value(2), QStringLiteral(" 370200"));
}

void TestSingleRowTrainerModel::carriesFollowWhatTheLowerCarryShows()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3)); // 1234 * 3: carries 0, 1, 1
    f.model.activate();
    // The tens carry dropped first is checked against 3*3 alone: "0".
    f.model.dropDigit(E::CarryTens, QStringLiteral("0"));
    QCOMPARE(f.model.text(E::CarryTens), QStringLiteral("0"));
    QCOMPARE(f.platform.messages.size(), 0);
    f.model.dropDigit(E::CarryOnes, QStringLiteral("1"));
    f.model.dropDigit(E::CarryHundreds, QStringLiteral("0")); // 2*3 + 0
    QCOMPARE(f.model.rewards().points(), 3);
    // With the ones carry in place the tens carry now expects 1.
    QCOMPARE(f.model.expectedDigit(E::CarryTens), QStringLiteral("1"));
    f.model.dropDigit(E::CarryTens, QStringLiteral("1"));
    QCOMPARE(f.model.expectedDigit(E::CarryHundreds), QStringLiteral("0"));
    QCOMPARE(f.model.rewards().points(), 4);
    QCOMPARE(f.model.errors(), 0);
}

void TestSingleRowTrainerModel::fiveDigitProductNeedsItsTenThousandsDigit()
{
    Fixture f;
    f.random.append(singleRowDraws(3, 0, 0, 5, 4)); // 3005 * 4 = 12020
    f.model.activate();
    QVERIFY(f.model.isVisible(E::ProductTenThousands));
    for (const auto &[field, digit] : QList<std::pair<E, QString>>{
             {E::ProductThousands, "2"}, {E::ProductHundreds, "0"}, {E::ProductTens, "2"}, {E::ProductOnes, "0"}})
        f.model.dropDigit(field, digit);
    QCOMPARE(f.platform.messages.size(), 0);
    f.model.dropDigit(E::ProductTenThousands, QStringLiteral("1"));
    QCOMPARE(f.platform.messageTexts(), QStringList{solvedText});
}

void TestSingleRowTrainerModel::kindsShowTheirZerosAndSolveWithoutTheBroughtDownZero_data()
{
    QTest::addColumn<int>("kind"); // 0 E, 1 Z, 2 H
    QTest::addColumn<QString>("caption");
    QTest::newRow("mal Z") << 1 << "Einreihige Multiplikation mit Zehnerzahl";
    QTest::newRow("mal H") << 2 << "Einreihige Multiplikation mit Hunderterzahl";
}

void TestSingleRowTrainerModel::kindsShowTheirZerosAndSolveWithoutTheBroughtDownZero()
{
    QFETCH(int, kind);
    QFETCH(QString, caption);
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    if (kind == 1)
        f.model.chooseTens();
    else
        f.model.chooseHundreds();
    QCOMPARE(f.model.caption(), caption);
    QCOMPARE(f.model.kindIndicator(), kind == 1 ? QStringLiteral("Z") : QStringLiteral("H"));
    QVERIFY(f.model.isVisible(E::MultiplierZero1));
    QVERIFY(f.model.isVisible(E::RuleTens));
    QVERIFY(f.model.isVisible(E::BroughtDownZero1));
    QCOMPARE(f.model.isVisible(E::BroughtDownZero2), kind == 2);
    QCOMPARE(f.model.isVisible(E::MultiplierZero2), kind == 2);
    QCOMPARE(f.model.expectedDigit(E::BroughtDownZero1), QStringLiteral("0"));
    f.model.dropDigit(E::BroughtDownZero1, QStringLiteral("0"));
    QCOMPARE(f.model.rewards().points(), 1);
    f.model.dropDigit(E::BroughtDownZero1, QStringLiteral("3"));
    QCOMPARE(f.model.errors(), 1);
    for (const auto &[field, digit] : QList<std::pair<E, QString>>{
             {E::ProductThousands, "3"}, {E::ProductHundreds, "7"}, {E::ProductTens, "0"}, {E::ProductOnes, "2"}})
        f.model.dropDigit(field, digit);
    QCOMPARE(f.platform.messages.last().text, solvedText);
    QCOMPARE(f.platform.messages.last().title, QStringLiteral("Malaufgabe"));
}

void TestSingleRowTrainerModel::sameRightDigitTwiceEarnsTwoPoints()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.model.activate();
    f.model.dropDigit(E::CarryOnes, QStringLiteral("1"));
    f.model.dropDigit(E::CarryOnes, QStringLiteral("1"));
    QCOMPARE(f.model.rewards().points(), 2);
}

void TestSingleRowTrainerModel::wrongDigitOverARightOneEmptiesTheField()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.model.activate();
    f.model.dropDigit(E::ProductThousands, QStringLiteral("3"));
    f.model.dropDigit(E::ProductThousands, QStringLiteral("4"));
    QCOMPARE(f.model.text(E::ProductThousands), QString());
    QCOMPARE(f.model.errors(), 1);
    QCOMPARE(f.model.rewards().points(), 1);
}

void TestSingleRowTrainerModel::gapTaskFillsTheFinishedCalculation()
{
    Fixture f;
    f.random.append(singleRowDraws(3, 0, 0, 5, 4)); // 3005 * 4 = 12020
    f.random.append({gapPatternDraw(2)});
    f.model.chooseGaps();
    QVERIFY(f.model.gapMode());
    QCOMPARE(f.model.kindIndicator(), QStringLiteral("LE"));
    QCOMPARE(f.model.gapSolution(), QStringLiteral("300512020"));
    QCOMPARE(f.model.text(gapElement(9)), QStringLiteral("0"));
    QCOMPARE(f.model.text(gapElement(8)), QStringLiteral("0"));
    QCOMPARE(f.model.text(gapElement(7)), QStringLiteral("2"));
    QVERIFY(f.model.isVisible(E::Gap17));
    QCOMPARE(f.model.gapPattern(), 2);
    // Pattern 2: hundreds digit of the multiplicand, tens and ten-thousands of the product.
    QCOMPARE(f.model.text(E::Gap2), QString());
    QCOMPARE(f.model.text(E::Gap14), QString());
    QCOMPARE(f.model.text(E::Gap17), QString());
    QCOMPARE(f.model.text(E::Gap16), QStringLiteral("2"));
    QCOMPARE(f.model.text(E::Gap13), QStringLiteral("0"));
    f.model.dropDigit(E::Gap2, QStringLiteral("0"));
    f.model.dropDigit(E::Gap14, QStringLiteral("2"));
    QCOMPARE(f.platform.messages.size(), 0);
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.random.append({gapPatternDraw(1)});
    f.model.dropDigit(E::Gap17, QStringLiteral("1"));
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages.first().text, solvedText);
    QCOMPARE(f.platform.messages.first().title, QStringLiteral("Lückenaufgabe"));
    QCOMPARE(f.model.rewards().points(), 3);
    QCOMPARE(f.model.rewards().rocketTop(), 4440);
    QCOMPARE(f.model.gapSolution(), QStringLiteral("12343702"));
}

void TestSingleRowTrainerModel::gapPatterns_data()
{
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QList<int>>("gaps");
    QTest::newRow("1: thousands digit, ones and hundreds of the product") << 1 << QList<int>{1, 13, 15};
    QTest::newRow("2: hundreds digit, tens and ten-thousands") << 2 << QList<int>{2, 14, 17};
    QTest::newRow("3: tens digit, ones and thousands") << 3 << QList<int>{3, 13, 16};
    QTest::newRow("4: ones digit, tens and thousands") << 4 << QList<int>{4, 14, 16};
}

void TestSingleRowTrainerModel::gapPatterns()
{
    QFETCH(int, pattern);
    QFETCH(QList<int>, gaps);
    Fixture f;
    f.random.append(singleRowDraws(9, 8, 7, 6, 9)); // 9876 * 9 = 88884
    f.random.append({gapPatternDraw(pattern)});
    f.model.chooseGaps();
    for (int n : {1, 2, 3, 4, 13, 14, 15, 16, 17})
        QCOMPARE(f.model.text(gapElement(n)).isEmpty(), gaps.contains(n));
    // Fill the gaps with their digits: the task is solved with the last one.
    for (int n : gaps)
        f.model.dropDigit(gapElement(n), f.model.expectedDigit(gapElement(n)));
    QCOMPARE(f.platform.messageTexts(), QStringList{solvedText});
    QCOMPARE(f.model.rewards().points(), 3);
}

void TestSingleRowTrainerModel::gapPatternTwoWithFourDigitProductHasTwoVisibleGaps()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3)); // 3702
    f.random.append({gapPatternDraw(2)});
    f.model.chooseGaps();
    QVERIFY(!f.model.isVisible(E::Gap17));
    f.model.dropDigit(E::Gap17, QStringLiteral("0")); // hidden: cannot take a drop
    QCOMPARE(f.platform.messages.size(), 0);
    f.model.dropDigit(E::Gap2, QStringLiteral("2"));
    f.model.dropDigit(E::Gap14, QStringLiteral("0"));
    QCOMPARE(f.platform.messageTexts(), QStringList{solvedText});
}

void TestSingleRowTrainerModel::wrongDigitOnAShownGapDigitMustBeRefilled()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3)); // 3702
    f.random.append({gapPatternDraw(1)});         // gaps luecke1, 13, 15
    f.model.chooseGaps();
    f.model.dropDigit(E::Gap4, QStringLiteral("4")); // right digit on a shown one earns a point
    QCOMPARE(f.model.rewards().points(), 1);
    f.model.dropDigit(E::Gap4, QStringLiteral("9"));
    QCOMPARE(f.model.text(E::Gap4), QString());
    QCOMPARE(f.model.errors(), 1);
    f.model.dropDigit(E::Gap1, QStringLiteral("1"));
    f.model.dropDigit(E::Gap13, QStringLiteral("2"));
    f.model.dropDigit(E::Gap15, QStringLiteral("7"));
    QCOMPARE(f.platform.messages.size(), 1); // only the wrong-digit box
    f.model.dropDigit(E::Gap4, QStringLiteral("4"));
    QCOMPARE(f.platform.messages.last().text, solvedText);
}

void TestSingleRowTrainerModel::gapKindShowsTheMultiplierZeros()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.model.chooseTens();
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.random.append({gapPatternDraw(3)});
    f.model.chooseGaps();
    QCOMPARE(f.model.kindIndicator(), QStringLiteral("LZ"));
    QVERIFY(f.model.isVisible(E::Gap6));
    QVERIFY(f.model.isVisible(E::GapRuleTens));
    QCOMPARE(f.model.text(E::Gap12), QStringLiteral("0"));
    QVERIFY(f.model.isVisible(E::Gap12));
    QVERIFY(!f.model.isVisible(E::Gap10));
    QVERIFY(!f.model.isVisible(E::Gap11));
    // The caption stays with the kind chosen last.
    QCOMPARE(f.model.caption(), QStringLiteral("Einreihige Multiplikation mit Zehnerzahl"));
}

void TestSingleRowTrainerModel::gapCommandTwiceKeepsTheGapKind()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.random.append({gapPatternDraw(1)});
    f.random.append(singleRowDraws(2, 2, 3, 4, 3));
    f.random.append({gapPatternDraw(4)});
    f.model.chooseGaps();
    f.model.chooseGaps();
    QCOMPARE(f.model.kindIndicator(), QStringLiteral("LE"));
    QCOMPARE(f.model.text(E::Gap1), QStringLiteral("2"));
    QCOMPARE(f.model.gapPattern(), 4);
}

void TestSingleRowTrainerModel::normalTaskAfterLeavingGapModeIsSolvable()
{
    Fixture f;
    QSignalSpy left(&f.model, &SingleRowTrainerModel::leaveRequested);
    f.model.chooseTens();
    f.model.chooseGaps();
    f.model.leave();
    QCOMPARE(left.size(), 1);
    QVERIFY(!f.model.gapMode());
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.model.activate(); // back from the menu: a normal task while the kind still reads "LZ"
    QCOMPARE(f.model.kindIndicator(), QStringLiteral("LZ"));
    // Laid out as the tens task it is checked as, exactly as after "mal Z".
    for (E element : {E::MultiplierZero1, E::RuleTens, E::BroughtDownZero1})
        QVERIFY(f.model.isVisible(element));
    for (E element : {E::MultiplierZero2, E::RuleHundreds, E::BroughtDownZero2})
        QVERIFY(!f.model.isVisible(element));
    for (const auto &[field, digit] : QList<std::pair<E, QString>>{
             {E::ProductThousands, "3"}, {E::ProductHundreds, "7"}, {E::ProductTens, "0"}, {E::ProductOnes, "2"}})
        f.model.dropDigit(field, digit);
    QCOMPARE(f.platform.messageTexts(), QStringList{solvedText});
}

void TestSingleRowTrainerModel::activationMakesATaskOfTheCurrentMode()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.random.append({gapPatternDraw(1)});
    f.model.chooseGaps();
    f.random.append(singleRowDraws(4, 4, 4, 4, 4));
    f.random.append({gapPatternDraw(1)});
    f.model.activate();
    QVERIFY(f.model.gapMode());
    QCOMPARE(f.model.text(E::Gap2), QStringLiteral("4"));
}

void TestSingleRowTrainerModel::dropsThatDoNotBelongAreIgnored_data()
{
    QTest::addColumn<bool>("gapMode");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("digit");
    QTest::newRow("a task digit") << false << int(E::Digit1) << "1";
    QTest::newRow("the hidden ten-thousands field") << false << int(E::ProductTenThousands) << "0";
    QTest::newRow("a gap field while the gap panel is away") << false << int(E::Gap13) << "2";
    QTest::newRow("a normal field under the gap panel") << true << int(E::ProductOnes) << "2";
    QTest::newRow("a given carry of the gap task") << true << int(E::Gap7) << "1";
    QTest::newRow("the multiplier of the gap task") << true << int(E::Gap5) << "3";
    QTest::newRow("two characters") << false << int(E::ProductOnes) << "12";
    QTest::newRow("a letter") << false << int(E::ProductOnes) << "x";
    QTest::newRow("nothing") << false << int(E::ProductOnes) << "";
}

void TestSingleRowTrainerModel::dropsThatDoNotBelongAreIgnored()
{
    QFETCH(bool, gapMode);
    QFETCH(int, field);
    QFETCH(QString, digit);
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.random.append({gapPatternDraw(1)});
    if (gapMode)
        f.model.chooseGaps();
    else
        f.model.activate();
    const QString before = f.model.text(E(field));
    f.model.dropDigit(E(field), digit);
    QCOMPARE(f.model.text(E(field)), before);
    QCOMPARE(f.platform.messages.size(), 0);
    QCOMPARE(f.model.rewards().points(), 0);
    QCOMPARE(f.model.errors(), 0);
}

void TestSingleRowTrainerModel::eachTaskReseedsFromTheClock()
{
    Fixture f;
    f.model.activate();
    QCOMPARE(f.random.reseeds(), 1);
    f.model.chooseGaps();
    QCOMPARE(f.random.reseeds(), 3); // once for the digits, once for the gap pattern
}

QTEST_APPLESS_MAIN(TestSingleRowTrainerModel)
#include "test_single_row_trainer_model.moc"
