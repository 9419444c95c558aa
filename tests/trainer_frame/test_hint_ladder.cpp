// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/demonstration.h"
#include "trainer_frame/hint_ladder.h"

#include "support/written_tasks.h"

#include <QtTest/QTest>

Q_DECLARE_METATYPE(CalculationStep)
Q_DECLARE_METATYPE(ErrorKind)
Q_DECLARE_METATYPE(Rung)

namespace {
using S = CalculationStep;
using E = ErrorKind;
} // namespace

class TestHintLadder : public QObject {
    Q_OBJECT
private slots:
    void hintsSayWhereToLookThenTheStepThenTheDigit_data();
    void hintsSayWhereToLookThenTheStepThenTheDigit();
    void demonstrationSaysEachStepAsAtTheBoard_data();
    void demonstrationSaysEachStepAsAtTheBoard();
    void eachWrongDigitAndEachAskingClimbsOneRung();
};

void TestHintLadder::hintsSayWhereToLookThenTheStepThenTheDigit_data()
{
    QTest::addColumn<QString>("task");
    QTest::addColumn<CalculationStep>("step");
    QTest::addColumn<bool>("gap");
    QTest::addColumn<Rung>("rung");
    QTest::addColumn<ErrorKind>("error");
    QTest::addColumn<int>("written");
    QTest::addColumn<bool>("offer");
    QTest::addColumn<QString>("text");
    const S tens = S::rowDigit(0, 2);
    QTest::newRow("a forgotten carry: first where to look")
        << "1234 · 3" << tens << false << Rung::Look << E::CarryForgotten << 9 << false
        << "Tipp: Hast du den Übertrag 1 dazugezählt?";
    QTest::newRow("then the worked step")
        << "1234 · 3" << tens << false << Rung::WorkedStep << E::CarryForgotten << 9 << false
        << "Tipp: 3 · 3 = 9, dazu der Übertrag 1: 10.";
    QTest::newRow("then the digit, the carry to keep")
        << "1234 · 3" << tens << false << Rung::Digit << E::CarryForgotten << 9 << false
        << "Tipp: Schreibe 0 und merke dir 1.";
    QTest::newRow("after guessing the offer to watch")
        << "1234 · 3" << tens << false << Rung::Digit << E::Other << 5 << true
        << "Tipp: Schreibe 0 und merke dir 1. „Vormachen“ zeigt dir die ganze Rechnung.";
    QTest::newRow("asked before any mistake")
        << "1234 · 3" << tens << false << Rung::Look << E::Other << -1 << false
        << "Tipp: Rechne 3 · 3 und zähle den Übertrag 1 dazu.";
    QTest::newRow("the ones and tens swapped")
        << "1234 · 3" << S::rowDigit(0, 1) << false << Rung::Look << E::OnesAndTensSwapped << 1 << false
        << "Tipp: Unten schreibst du die Einer, die Zehner merkst du dir.";
    QTest::newRow("a carry field: the carry to write")
        << "1234 · 3" << S::carry(0, 1) << false << Rung::Digit << E::Other << 3 << false
        << "Tipp: Schreibe 1 als Übertrag.";
    QTest::newRow("a gap in a partial product says where it stands")
        << "5001 · 22" << S::rowDigit(1, 2) << true << Rung::Look << E::ZeroError << 2 << false
        << "Tipp: Die Lücke im 2. Teilprodukt bei den Zehnern: 0 mal eine Zahl ist immer 0.";
    QTest::newRow("the sum of the partial products")
        << "643 · 52" << S::sumDigit(3) << false << Rung::WorkedStep << E::AdditionError << 3 << false
        << "Tipp: In der Summe bei den Hundertern: 1 + 2 = 3, dazu der Übertrag 1: 4.";
    QTest::newRow("a sum's digit without its carry")
        << "643 · 52" << S::sumDigit(3) << false << Rung::Look << E::AdditionError << 3 << false
        << "Tipp: In der Summe bei den Hundertern: Hast du den Übertrag 1 dazugezählt?";
    QTest::newRow("a place zero")
        << "643 · 52" << S::placeZero(0, 1) << false << Rung::WorkedStep << E::ZeroError << 5 << false
        << "Tipp: Im 1. Teilprodukt bei den Einern: Die 5 steht bei den Zehnern, und 643 · 50 endet mit einer 0.";
    QTest::newRow("the zeros of a hundreds number")
        << "1234 · 300" << S::broughtDownZero(0, 2) << false << Rung::WorkedStep << E::ZeroError << 1 << false
        << "Tipp: Die zwei Nullen von 300 kommen zuerst herunter.";
    QTest::newRow("a gap in the first factor, found from the row under it")
        << "1234 · 3" << S::multiplicandDigit(1) << true << Rung::WorkedStep << E::Other << -1 << false
        << "Tipp: Die Lücke im 1. Faktor bei den Zehnern: 10 − 1 = 9. Welche Ziffer · 3 ergibt 9?";
}

void TestHintLadder::hintsSayWhereToLookThenTheStepThenTheDigit()
{
    QFETCH(QString, task);
    QFETCH(CalculationStep, step);
    QFETCH(bool, gap);
    QFETCH(Rung, rung);
    QFETCH(ErrorKind, error);
    QFETCH(int, written);
    QFETCH(bool, offer);
    QFETCH(QString, text);
    QCOMPARE(hintText(askedIn(task, step, gap), rung, error, written, offer), text);
}

void TestHintLadder::demonstrationSaysEachStepAsAtTheBoard_data()
{
    QTest::addColumn<QString>("task");
    QTest::addColumn<CalculationStep>("step");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("the ones") << "1234 · 3" << S::rowDigit(0, 1) << "4 · 3 = 12. Schreibe 2, merke 1.";
    QTest::newRow("the tens with the carry") << "1234 · 3" << S::rowDigit(0, 2) << "3 · 3 = 9, dazu 1: 10. Schreibe 0, merke 1.";
    QTest::newRow("the carry under its digit") << "1234 · 3" << S::carry(0, 1) << "Schreibe den Übertrag 1 unter die 3.";
    QTest::newRow("the last carry in front") << "5678 · 9" << S::rowDigit(0, 5) << "Vorne steht der Übertrag: Schreibe 5.";
    QTest::newRow("a brought-down zero") << "1234 · 30" << S::broughtDownZero(0, 1) << "Die 0 von 30 kommt herunter.";
    QTest::newRow("a place zero") << "643 · 52" << S::placeZero(0, 1) << "Die 5 steht bei den Zehnern: Schreibe rechts eine 0.";
    QTest::newRow("a digit of the sum") << "643 · 52" << S::sumDigit(3) << "Hunderter: 1 + 2 = 3, dazu 1: 4. Schreibe 4.";
    QTest::newRow("a gap in the first factor") << "1234 · 3" << S::multiplicandDigit(1) << "3 · 3 + 1 = 10. Schreibe 3.";
}

void TestHintLadder::demonstrationSaysEachStepAsAtTheBoard()
{
    QFETCH(QString, task);
    QFETCH(CalculationStep, step);
    QFETCH(QString, sentence);
    QCOMPARE(demonstrationSentence(askedIn(task, step)), sentence);
    QCOMPARE(demonstrationEnd(writtenTask(QStringLiteral("1234 · 3"))),
             QStringLiteral("Fertig: 1234 · 3 = 3702. Jetzt rechnest du eine neue Aufgabe."));
}

void TestHintLadder::eachWrongDigitAndEachAskingClimbsOneRung()
{
    HintLadder ladder;
    QCOMPARE(ladder.afterAsking(7).rung, Rung::Look); // "Tipp" before a mistake
    QCOMPARE(ladder.afterWrongDigit(7, 9).rung, Rung::WorkedStep);
    const HintLadder::Climb same = ladder.afterWrongDigit(7, 9);
    QCOMPARE(same.rung, Rung::Digit);
    QVERIFY(!same.guessing); // the same digit twice is no guess
    QVERIFY(!ladder.afterWrongDigit(7, 4).guessing);
    const HintLadder::Climb third = ladder.afterWrongDigit(7, 5);
    QCOMPARE(third.rung, Rung::Digit);
    QVERIFY(third.guessing);
    QCOMPARE(ladder.afterWrongDigit(8, 1).rung, Rung::Look); // each field has its own
    ladder.clear();
    QCOMPARE(ladder.afterWrongDigit(7, 9).rung, Rung::Look);
    ladder.afterAsking(7);
    ladder.afterAsking(7);
    QVERIFY(ladder.afterAsking(7).guessing); // asking again at the top wants to see it done
}

QTEST_APPLESS_MAIN(TestHintLadder)
#include "test_hint_ladder.moc"
