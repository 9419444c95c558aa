// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_single/single_row_task.h"

#include "support/scripted_random.h"

#include <QtTest/QTest>

class TestSingleRowTask : public QObject {
    Q_OBJECT
private slots:
    void drawsDigitsInOrderWithTheirRanges_data();
    void drawsDigitsInOrderWithTheirRanges();
    void answerKeyInSevenColumns_data();
    void answerKeyInSevenColumns();
    void carryTexts_data();
    void carryTexts();
};

void TestSingleRowTask::drawsDigitsInOrderWithTheirRanges_data()
{
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QList<int>>("digits"); // d1 d2 d3 d4 m
    QTest::newRow("lowest r gives the smallest task 1001 * 2") << QList<double>{0, 0, 0, 0, 0}
                                                              << QList<int>{1, 0, 0, 1, 2};
    QTest::newRow("highest r gives 9999 * 9") << QList<double>{0.9999, 0.9999, 0.9999, 0.9999, 0.9999}
                                              << QList<int>{9, 9, 9, 9, 9};
    QTest::newRow("order thousands, hundreds, tens, ones, multiplier")
        << QList<double>{ScriptedRandom::forDigit(1, 1, 9), ScriptedRandom::forDigit(2, 0, 10),
                         ScriptedRandom::forDigit(3, 0, 10), ScriptedRandom::forDigit(4, 1, 9),
                         ScriptedRandom::forDigit(3, 2, 8)}
        << QList<int>{1, 2, 3, 4, 3};
    QTest::newRow("slot edges: r = 1/9 is the second thousands digit")
        << QList<double>{1.0 / 9, 0.1, 0.2, 8.0 / 9, 0.125} << QList<int>{2, 1, 2, 9, 3};
}

void TestSingleRowTask::drawsDigitsInOrderWithTheirRanges()
{
    QFETCH(QList<double>, draws);
    QFETCH(QList<int>, digits);
    ScriptedRandom random(draws);
    const SingleRowTask task = SingleRowTask::draw(random);
    QCOMPARE((QList<int>{task.d1, task.d2, task.d3, task.d4, task.m}), digits);
    QCOMPARE(random.remaining(), 0);
}

void TestSingleRowTask::answerKeyInSevenColumns_data()
{
    QTest::addColumn<QList<int>>("digits");
    QTest::addColumn<QStringList>("listA");
    QTest::addColumn<QStringList>("listB");
    QTest::newRow("four-digit product 1234 * 3")
        << QList<int>{1, 2, 3, 4, 3} << QStringList{"   1234", "      3", " 370200"}
        << QStringList{"   3702", "  37020", " 370200"};
    QTest::newRow("smallest product 1001 * 2")
        << QList<int>{1, 0, 0, 1, 2} << QStringList{"   1001", "      2", " 200200"}
        << QStringList{"   2002", "  20020", " 200200"};
    QTest::newRow("largest product fills all seven columns")
        << QList<int>{9, 9, 9, 9, 9} << QStringList{"   9999", "      9", "8999100"}
        << QStringList{"  89991", " 899910", "8999100"};
}

void TestSingleRowTask::answerKeyInSevenColumns()
{
    QFETCH(QList<int>, digits);
    QFETCH(QStringList, listA);
    QFETCH(QStringList, listB);
    SingleRowTask task{digits[0], digits[1], digits[2], digits[3], digits[4]};
    const SingleRowAnswerKey key = SingleRowAnswerKey::forTask(task);
    QCOMPARE(key.listA, listA);
    QCOMPARE(key.listB, listB);
}

void TestSingleRowTask::carryTexts_data()
{
    QTest::addColumn<int>("sum");
    QTest::addColumn<QString>("carry");
    QTest::newRow("no carry is a zero, not empty") << 8 << "0";
    QTest::newRow("exactly ten") << 10 << "1";
    QTest::newRow("highest column sum") << 89 << "8";
}

void TestSingleRowTask::carryTexts()
{
    QFETCH(int, sum);
    QFETCH(QString, carry);
    QCOMPARE(carryText(sum), carry);
}

QTEST_APPLESS_MAIN(TestSingleRowTask)
#include "test_single_row_task.moc"
