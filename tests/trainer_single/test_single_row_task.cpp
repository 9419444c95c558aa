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
    void writtenCalculation_data();
    void writtenCalculation();
    void carries_data();
    void carries();
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

void TestSingleRowTask::writtenCalculation_data()
{
    QTest::addColumn<QList<int>>("digits");
    QTest::addColumn<QString>("taskRow");   // columns 8 to 1, "." where nothing is written
    QTest::addColumn<QString>("carryRow");
    QTest::addColumn<QString>("resultRow");
    QTest::newRow("1234 * 3: carries 0, 1, 1 and a four-digit product")
        << QList<int>{1, 2, 3, 4, 3} << "1234.300" << "011....." << "..370200";
    QTest::newRow("3005 * 4: carries 0, 0, 2 and a five-digit product")
        << QList<int>{3, 0, 0, 5, 4} << "3005.400" << "002....." << ".1202000";
    QTest::newRow("9999 * 9: the highest carries and product")
        << QList<int>{9, 9, 9, 9, 9} << "9999.900" << "888....." << ".8999100";
}

void TestSingleRowTask::writtenCalculation()
{
    QFETCH(QList<int>, digits);
    const SingleRowTask task{digits[0], digits[1], digits[2], digits[3], digits[4]};
    auto row = [&task](int r) {
        QString written;
        for (int column = SingleRowTask::columns; column >= 1; --column) {
            const int digit = task.digit(r, column);
            written += digit < 0 ? QStringLiteral(".") : QString::number(digit);
        }
        return written;
    };
    QTEST(row(SingleRowTask::TaskRow), "taskRow");
    QTEST(row(SingleRowTask::CarryRow), "carryRow");
    QTEST(row(SingleRowTask::ResultRow), "resultRow");
}

void TestSingleRowTask::carries_data()
{
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("carry");
    QTest::newRow("no carry is a zero") << 8 << 0;
    QTest::newRow("exactly ten") << 10 << 1;
    QTest::newRow("highest column sum") << 89 << 8;
}

void TestSingleRowTask::carries()
{
    QFETCH(int, sum);
    QTEST(SingleRowTask::carryOf(sum), "carry");
}

QTEST_APPLESS_MAIN(TestSingleRowTask)
#include "test_single_row_task.moc"
