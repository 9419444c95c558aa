// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/error_diagnosis.h"
#include "trainer_frame/learning_record.h"

#include "support/written_tasks.h"

#include <QtTest/QTest>

Q_DECLARE_METATYPE(CalculationStep)
Q_DECLARE_METATYPE(ErrorKind)

namespace {
using S = CalculationStep;
using E = ErrorKind;
} // namespace

class TestErrorDiagnosis : public QObject {
    Q_OBJECT
private slots:
    void everyKindHasItsRowInOrder();
    void wrongDigitsAreNamedByTheirKind_data();
    void wrongDigitsAreNamedByTheirKind();
    void reportSaysWhatEachTrainerMet();
};

void TestErrorDiagnosis::everyKindHasItsRowInOrder()
{
    QStringList names;
    for (const ErrorRule &rule : errorRules())
        names.append(errorKindName(rule.kind));
    QCOMPARE(names, (QStringList{"Fehler mit der Null", "Übertrag vergessen", "Einer und Zehner vertauscht",
                                 "Übertrag mitmultipliziert", "Einmaleins", "addiert statt multipliziert",
                                 "Übertrag falsch", "Fehler beim Addieren", "Stelle verrutscht", "sonstiger Fehler"}));
}

void TestErrorDiagnosis::wrongDigitsAreNamedByTheirKind_data()
{
    QTest::addColumn<QString>("task");
    QTest::addColumn<CalculationStep>("step");
    QTest::addColumn<bool>("gap");
    QTest::addColumn<int>("written");
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<QString>("example");
    QTest::newRow("1234 · 3: the tens without the carry 1 of 4 · 3")
        << "1234 · 3" << S::rowDigit(0, 2) << false << 9 << E::CarryForgotten << "1234 · 3: Zehner 9 statt 0";
    QTest::newRow("1234 · 3: the carry into the hundreds without the carry under the 3")
        << "1234 · 3" << S::carry(0, 2) << false << 0 << E::CarryForgotten << "1234 · 3: Übertrag, Hunderter 0 statt 1";
    QTest::newRow("5678 · 9: the ten-thousands as 5 · 9 without the last carry 6")
        << "5678 · 9" << S::rowDigit(0, 5) << false << 4 << E::CarryForgotten << "5678 · 9: Zehntausender 4 statt 5";
    QTest::newRow("1234 · 3: the ones of 4 · 3 carried into the tens")
        << "1234 · 3" << S::carry(0, 1) << false << 2 << E::OnesAndTensSwapped << "1234 · 3: Übertrag, Zehner 2 statt 1";
    QTest::newRow("1234 · 3: the tens from (3 + 1) · 3")
        << "1234 · 3" << S::rowDigit(0, 2) << false << 2 << E::CarryMultiplied << "1234 · 3: Zehner 2 statt 0";
    QTest::newRow("1234 · 3: the tens from 2 · 3 + 1")
        << "1234 · 3" << S::rowDigit(0, 2) << false << 7 << E::TimesTable << "1234 · 3: Zehner 7 statt 0";
    QTest::newRow("1234 · 3: the tens from 3 + 3")
        << "1234 · 3" << S::rowDigit(0, 2) << false << 6 << E::AddedInsteadOfMultiplied << "1234 · 3: Zehner 6 statt 0";
    QTest::newRow("1234 · 3: the hundreds with a carry 2 instead of 1")
        << "1234 · 3" << S::rowDigit(0, 3) << false << 8 << E::CarryWrong << "1234 · 3: Hunderter 8 statt 7";
    QTest::newRow("1234 · 3: the hundreds with the thousands' digit")
        << "1234 · 3" << S::rowDigit(0, 3) << false << 3 << E::PlaceShifted << "1234 · 3: Hunderter 3 statt 7";
    QTest::newRow("1234 · 3: the hundreds as no known error gives them")
        << "1234 · 3" << S::rowDigit(0, 3) << false << 1 << E::Other << "1234 · 3: Hunderter 1 statt 7";
    QTest::newRow("1234 · 30: the brought-down zero as the ones of 1234 · 3")
        << "1234 · 30" << S::broughtDownZero(0, 1) << false << 2 << E::ZeroError << "1234 · 30: Einer 2 statt 0";
    QTest::newRow("5001 · 22: 0 · 2 taken as 2 in the second row")
        << "5001 · 22" << S::rowDigit(1, 2) << false << 2 << E::ZeroError << "5001 · 22: 2. Teilprodukt, Zehner 2 statt 0";
    QTest::newRow("643 · 52 right-aligned: the ones of 3215 in the place zero")
        << "643 · 52" << S::placeZero(0, 1) << false << 5 << E::ZeroError << "643 · 52: 1. Teilprodukt, Einer 5 statt 0";
    QTest::newRow("643 · 52 right-aligned: the tens of 3215 under the 5")
        << "643 · 52" << S::rowDigit(0, 2) << false << 1 << E::ZeroError << "643 · 52: 1. Teilprodukt, Zehner 1 statt 5";
    QTest::newRow("643 · 52: the sum's hundreds without their carry")
        << "643 · 52" << S::sumDigit(3) << false << 3 << E::AdditionError << "643 · 52: Summe, Hunderter 3 statt 4";
    QTest::newRow("643 · 52: the sum's hundreds one too many")
        << "643 · 52" << S::sumDigit(3) << false << 5 << E::AdditionError << "643 · 52: Summe, Hunderter 5 statt 4";
    QTest::newRow("643 · 52: the sum's tens with the digit of its ones")
        << "643 · 52" << S::sumDigit(2) << false << 6 << E::PlaceShifted << "643 · 52: Summe, Zehner 6 statt 3";
    QTest::newRow("643 · 52: the sum's tens with the second row's digit above")
        << "643 · 52" << S::sumDigit(2) << false << 8 << E::PlaceShifted << "643 · 52: Summe, Zehner 8 statt 3";
    QTest::newRow("1234 · 3 with a gap for the 3: a digit whose product ends in 0, the carry not taken off")
        << "1234 · 3" << S::multiplicandDigit(1) << true << 0 << E::CarryForgotten << "1234 · 3: 1. Faktor, Zehner 0 statt 3";
    QTest::newRow("1234 · 3 with a gap for the 3: one off")
        << "1234 · 3" << S::multiplicandDigit(1) << true << 4 << E::TimesTable << "1234 · 3: 1. Faktor, Zehner 4 statt 3";
}

void TestErrorDiagnosis::wrongDigitsAreNamedByTheirKind()
{
    QFETCH(QString, task);
    QFETCH(CalculationStep, step);
    QFETCH(bool, gap);
    QFETCH(int, written);
    QFETCH(ErrorKind, kind);
    QFETCH(QString, example);
    const DigitQuestion question = askedIn(task, step, gap);
    QVERIFY(written != question.expected);
    if (!gap) // the numbers a hint speaks of give the check's digit
        QCOMPARE(numbersOf(question).result(), question.expected);
    QCOMPARE(errorKindName(diagnose(question, written)), errorKindName(kind));
    QCOMPARE(errorExample(question, written), example);
}

void TestErrorDiagnosis::reportSaysWhatEachTrainerMet()
{
    LearningRecord record;
    record.wrongDigit(E::CarryForgotten, QStringLiteral("1234 · 3: Zehner 9 statt 0"));
    record.wrongDigit(E::TimesTable, QStringLiteral("5678 · 9: Einer 3 statt 2"));
    record.wrongDigit(E::CarryForgotten, QStringLiteral("2345 · 4: Zehner 6 statt 8"));
    for (int i = 0; i < 7; ++i)
        record.rightDigit();
    record.taskSolved();
    record.hintShown();
    record.demonstrationStarted();
    const QStringList lines = LearningReport::lines({{QStringLiteral("Einreihige Multiplikation"), &record},
                                                     {QStringLiteral("Zweireihige Multiplikation"), nullptr}});
    QCOMPARE(lines, (QStringList{"Lernstand seit dem Start des Programms", "Richtige Ziffern in allen Trainern: 7", "",
                                 "Einreihige Multiplikation", "  gelöste Aufgaben: 1", "  richtige Ziffern: 7",
                                 "  falsche Ziffern: 3", "    Übertrag vergessen: 2 (1234 · 3: Zehner 9 statt 0)",
                                 "    Einmaleins: 1 (5678 · 9: Einer 3 statt 2)", "  Tipps: 1", "  Vormachen: 1", "",
                                 "Zweireihige Multiplikation", "  noch nicht geübt"}));
}

QTEST_APPLESS_MAIN(TestErrorDiagnosis)
#include "test_error_diagnosis.moc"
