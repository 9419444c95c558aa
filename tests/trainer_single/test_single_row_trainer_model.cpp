// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_single/single_row_trainer_model.h"

#include "shell/platform.h"
#include "support/cells.h"
#include "support/help_agrees.h"
#include "support/scripted_platform.h"
#include "support/scripted_random.h"
#include "support/single_row_draws.h"

#include <QSignalSpy>
#include <QtTest/QTest>

namespace {
const QString wrongText = QStringLiteral("Das ist leider falsch, rechne nochmal.\r\r");
const QString solvedText = QStringLiteral("Die Aufgabe wurde richtig gelöst.\r\r");

int c(const char *name)
{
    return cellNamed(SingleRowTrainerModel::layout(), QString::fromLatin1(name));
}

int gap(int number)
{
    return cellNamed(SingleRowTrainerModel::layout(), QStringLiteral("luecke%1").arg(number));
}

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
    void helpSpeaksOfTheDigitsTheCheckExpects();
};

void TestSingleRowTrainerModel::normalTaskLaysOutTheDrawnDigits()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.model.activate();
    QCOMPARE(shown(f.model, c("Bezeichnung1")), QStringLiteral("1"));
    QCOMPARE(shown(f.model, c("Bezeichnung4")), QStringLiteral("4"));
    QCOMPARE(shown(f.model, c("Bezeichnung5")), QStringLiteral("3"));
    QCOMPARE(shown(f.model, c("Bezeichnung6")), QStringLiteral("0"));
    QVERIFY(!f.model.isVisible(c("Bezeichnung10")));
    QVERIFY(!f.model.isVisible(c("Bezeichnung18")));
    QVERIFY(!f.model.isVisible(c("Linie6")));
    QCOMPARE(f.model.kind(), MultiplierKind::Ones);
    QCOMPARE(f.model.caption(), QStringLiteral("Einreihige Multiplikation mit Einerzahl"));
    // The product 3702 under the multiplier, its zeros' columns hidden.
    QStringList product;
    for (const char *name : {"Bezeichnung11", "Bezeichnung12", "Bezeichnung13", "Bezeichnung17"})
        product.append(expected(f.model, c(name)));
    QCOMPARE(product, (QStringList{"3", "7", "0", "2"}));
}

void TestSingleRowTrainerModel::carriesFollowWhatTheLowerCarryShows()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3)); // 1234 * 3: carries 0, 1, 1
    f.model.activate();
    // The tens carry dropped first is checked against 3*3 alone: "0".
    f.model.dropDigit(c("Bezeichnung8"), 0);
    QCOMPARE(shown(f.model, c("Bezeichnung8")), QStringLiteral("0"));
    QCOMPARE(f.platform.messages.size(), 0);
    f.model.dropDigit(c("Bezeichnung9"), 1);
    f.model.dropDigit(c("Bezeichnung7"), 0); // 2*3 + 0
    QCOMPARE(f.model.rewards().points(), 3);
    // With the ones carry in place the tens carry now expects 1.
    QCOMPARE(expected(f.model, c("Bezeichnung8")), QStringLiteral("1"));
    f.model.dropDigit(c("Bezeichnung8"), 1);
    QCOMPARE(expected(f.model, c("Bezeichnung7")), QStringLiteral("0"));
    QCOMPARE(f.model.rewards().points(), 4);
    QCOMPARE(f.model.errors(), 0);
}

void TestSingleRowTrainerModel::fiveDigitProductNeedsItsTenThousandsDigit()
{
    Fixture f;
    f.random.append(singleRowDraws(3, 0, 0, 5, 4)); // 3005 * 4 = 12020
    f.model.activate();
    QVERIFY(f.model.isVisible(c("Bezeichnung10")));
    for (const auto &[field, digit] : QList<std::pair<int, int>>{
             {c("Bezeichnung11"), 2}, {c("Bezeichnung12"), 0}, {c("Bezeichnung13"), 2}, {c("Bezeichnung17"), 0}})
        f.model.dropDigit(field, digit);
    QCOMPARE(f.platform.messages.size(), 0);
    f.model.dropDigit(c("Bezeichnung10"), 1);
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
    f.model.chooseKind(kind == 1 ? MultiplierKind::Tens : MultiplierKind::Hundreds);
    QCOMPARE(f.model.caption(), caption);
    QVERIFY(f.model.isVisible(c("Bezeichnung6")));
    QVERIFY(f.model.isVisible(c("Linie6")));
    QVERIFY(f.model.isVisible(c("Bezeichnung18")));
    QCOMPARE(f.model.isVisible(c("Bezeichnung19")), kind == 2);
    QCOMPARE(f.model.isVisible(c("Bezeichnung20")), kind == 2);
    QCOMPARE(expected(f.model, c("Bezeichnung18")), QStringLiteral("0"));
    f.model.dropDigit(c("Bezeichnung18"), 0);
    QCOMPARE(f.model.rewards().points(), 1);
    f.model.dropDigit(c("Bezeichnung18"), 3);
    QCOMPARE(f.model.errors(), 1);
    for (const auto &[field, digit] : QList<std::pair<int, int>>{
             {c("Bezeichnung11"), 3}, {c("Bezeichnung12"), 7}, {c("Bezeichnung13"), 0}, {c("Bezeichnung17"), 2}})
        f.model.dropDigit(field, digit);
    QCOMPARE(f.platform.messages.last().text, solvedText);
    QCOMPARE(f.platform.messages.last().title, QStringLiteral("Malaufgabe"));
}

void TestSingleRowTrainerModel::sameRightDigitTwiceEarnsTwoPoints()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.model.activate();
    f.model.dropDigit(c("Bezeichnung9"), 1);
    f.model.dropDigit(c("Bezeichnung9"), 1);
    QCOMPARE(f.model.rewards().points(), 2);
}

void TestSingleRowTrainerModel::wrongDigitOverARightOneEmptiesTheField()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.model.activate();
    f.model.dropDigit(c("Bezeichnung11"), 3);
    f.model.dropDigit(c("Bezeichnung11"), 4);
    QCOMPARE(shown(f.model, c("Bezeichnung11")), QString());
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
    QCOMPARE(shown(f.model, gap(9)), QStringLiteral("0"));
    QCOMPARE(shown(f.model, gap(8)), QStringLiteral("0"));
    QCOMPARE(shown(f.model, gap(7)), QStringLiteral("2"));
    QVERIFY(f.model.isVisible(c("luecke17")));
    // Pattern 2: hundreds digit of the multiplicand, tens and ten-thousands of the product.
    QCOMPARE(shown(f.model, c("luecke2")), QString());
    QCOMPARE(shown(f.model, c("luecke14")), QString());
    QCOMPARE(shown(f.model, c("luecke17")), QString());
    QCOMPARE(shown(f.model, c("luecke16")), QStringLiteral("2"));
    QCOMPARE(shown(f.model, c("luecke13")), QStringLiteral("0"));
    f.model.dropDigit(c("luecke2"), 0);
    f.model.dropDigit(c("luecke14"), 2);
    QCOMPARE(f.platform.messages.size(), 0);
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.random.append({gapPatternDraw(1)});
    f.model.dropDigit(c("luecke17"), 1);
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages.first().text, solvedText);
    QCOMPARE(f.platform.messages.first().title, QStringLiteral("Lückenaufgabe"));
    QCOMPARE(f.model.rewards().points(), 3);
    QCOMPARE(f.model.rewards().rocketSteps(), 1);
    QCOMPARE(expected(f.model, c("luecke1")), QStringLiteral("1")); // the next gap task, 1234 · 3
    QCOMPARE(expected(f.model, c("luecke16")), QStringLiteral("3"));
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
        QCOMPARE(shown(f.model, gap(n)).isEmpty(), gaps.contains(n));
    // Fill the gaps with their digits: the task is solved with the last one.
    for (int n : gaps)
        f.model.dropDigit(gap(n), *f.model.expectedDigit(gap(n)));
    QCOMPARE(f.platform.messageTexts(), QStringList{solvedText});
    QCOMPARE(f.model.rewards().points(), 3);
}

void TestSingleRowTrainerModel::gapPatternTwoWithFourDigitProductHasTwoVisibleGaps()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3)); // 3702
    f.random.append({gapPatternDraw(2)});
    f.model.chooseGaps();
    QVERIFY(!f.model.isVisible(c("luecke17")));
    f.model.dropDigit(c("luecke17"), 0); // hidden: cannot take a drop
    QCOMPARE(f.platform.messages.size(), 0);
    f.model.dropDigit(c("luecke2"), 2);
    f.model.dropDigit(c("luecke14"), 0);
    QCOMPARE(f.platform.messageTexts(), QStringList{solvedText});
}

void TestSingleRowTrainerModel::wrongDigitOnAShownGapDigitMustBeRefilled()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3)); // 3702
    f.random.append({gapPatternDraw(1)});         // gaps luecke1, 13, 15
    f.model.chooseGaps();
    f.model.dropDigit(c("luecke4"), 4); // right digit on a shown one earns a point
    QCOMPARE(f.model.rewards().points(), 1);
    f.model.dropDigit(c("luecke4"), 9);
    QCOMPARE(shown(f.model, c("luecke4")), QString());
    QCOMPARE(f.model.errors(), 1);
    f.model.dropDigit(c("luecke1"), 1);
    f.model.dropDigit(c("luecke13"), 2);
    f.model.dropDigit(c("luecke15"), 7);
    QCOMPARE(f.platform.messages.size(), 1); // only the wrong-digit box
    f.model.dropDigit(c("luecke4"), 4);
    QCOMPARE(f.platform.messages.last().text, solvedText);
}

void TestSingleRowTrainerModel::gapKindShowsTheMultiplierZeros()
{
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.model.chooseKind(MultiplierKind::Tens);
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.random.append({gapPatternDraw(3)});
    f.model.chooseGaps();
    QVERIFY(f.model.isVisible(c("luecke6")));
    QVERIFY(f.model.isVisible(c("Linie8")));
    QCOMPARE(shown(f.model, c("luecke12")), QStringLiteral("0"));
    QVERIFY(f.model.isVisible(c("luecke12")));
    QVERIFY(!f.model.isVisible(c("luecke10")));
    QVERIFY(!f.model.isVisible(c("luecke11")));
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
    QCOMPARE(shown(f.model, c("luecke1")), QStringLiteral("2"));
    for (int n : {4, 14, 16}) // pattern 4
        QVERIFY(shown(f.model, gap(n)).isEmpty());
}

void TestSingleRowTrainerModel::normalTaskAfterLeavingGapModeIsSolvable()
{
    Fixture f;
    QSignalSpy left(&f.model, &SingleRowTrainerModel::leaveRequested);
    f.model.chooseKind(MultiplierKind::Tens);
    f.model.chooseGaps();
    f.model.leave();
    QCOMPARE(left.size(), 1);
    QVERIFY(!f.model.gapMode());
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.model.activate(); // back from the menu: a normal task of the kind chosen last
    QCOMPARE(f.model.kind(), MultiplierKind::Tens);
    // Laid out as the tens task it is checked as, exactly as after "mal Z".
    for (int element : {c("Bezeichnung6"), c("Linie6"), c("Bezeichnung18")})
        QVERIFY(f.model.isVisible(element));
    for (int element : {c("Bezeichnung20"), c("Linie7"), c("Bezeichnung19")})
        QVERIFY(!f.model.isVisible(element));
    for (const auto &[field, digit] : QList<std::pair<int, int>>{
             {c("Bezeichnung11"), 3}, {c("Bezeichnung12"), 7}, {c("Bezeichnung13"), 0}, {c("Bezeichnung17"), 2}})
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
    QCOMPARE(shown(f.model, c("luecke2")), QStringLiteral("4"));
}

void TestSingleRowTrainerModel::dropsThatDoNotBelongAreIgnored_data()
{
    QTest::addColumn<bool>("gapMode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("digit");
    QTest::newRow("a task digit") << false << "Bezeichnung1" << 1;
    QTest::newRow("the hidden ten-thousands field") << false << "Bezeichnung10" << 0;
    QTest::newRow("a gap field while the gap panel is away") << false << "luecke13" << 2;
    QTest::newRow("a normal field under the gap panel") << true << "Bezeichnung17" << 2;
    QTest::newRow("a given carry of the gap task") << true << "luecke7" << 1;
    QTest::newRow("the multiplier of the gap task") << true << "luecke5" << 3;
    QTest::newRow("no digit: ten") << false << "Bezeichnung17" << 10;
    QTest::newRow("no digit: below zero") << false << "Bezeichnung17" << -1;
}

void TestSingleRowTrainerModel::dropsThatDoNotBelongAreIgnored()
{
    QFETCH(bool, gapMode);
    QFETCH(QString, name);
    QFETCH(int, digit);
    const int field = cellNamed(SingleRowTrainerModel::layout(), name);
    Fixture f;
    f.random.append(singleRowDraws(1, 2, 3, 4, 3));
    f.random.append({gapPatternDraw(1)});
    if (gapMode)
        f.model.chooseGaps();
    else
        f.model.activate();
    const QString before = shown(f.model, field);
    f.model.dropDigit(field, digit);
    QCOMPARE(shown(f.model, field), before);
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


// In every kind and in gap tasks, also with the carries written in an odd order.
void TestSingleRowTrainerModel::helpSpeaksOfTheDigitsTheCheckExpects()
{
    Fixture f;
    for (MultiplierKind kind : {MultiplierKind::Ones, MultiplierKind::Tens, MultiplierKind::Hundreds}) {
        f.random.append(singleRowDraws(5, 6, 7, 8, 9));
        f.model.chooseKind(kind);
        QCOMPARE(helpDisagreement(f.model), QString());
        f.model.dropDigit(c("Bezeichnung8"), 6); // 7 · 9 alone, the carry below still empty
        f.model.dropDigit(c("Bezeichnung9"), 7);
        QCOMPARE(helpDisagreement(f.model), QString());
        f.random.append(singleRowDraws(3, 0, 0, 5, 4));
        f.random.append({gapPatternDraw(2)});
        f.model.chooseGaps();
        QCOMPARE(helpDisagreement(f.model), QString());
    }
}

QTEST_APPLESS_MAIN(TestSingleRowTrainerModel)
#include "test_single_row_trainer_model.moc"
