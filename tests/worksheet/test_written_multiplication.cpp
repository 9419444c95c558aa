// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/written_multiplication.h"

#include <QRegularExpression>
#include <QtTest/QTest>
#include <functional>

namespace {
// What a row shows from the left, "." for a column it leaves empty, over `columns` columns.
QString rowText(const WrittenMultiplication &w, int columns, const std::function<int(int)> &digitAt)
{
    QString text;
    for (int column = columns; column >= 1; --column) {
        const int digit = digitAt(column);
        text += digit < 0 ? QLatin1Char('.') : QChar(u'0' + digit);
    }
    Q_UNUSED(w);
    return text;
}
} // namespace

class TestWrittenMultiplication : public QObject {
    Q_OBJECT
private slots:
    // Each case: the factors, then every row of the finished calculation as
    // written: the partial products (flush, with their place's zeros), their
    // carries at the multiplicand's places, the sum's carries, and the product.
    void rowsAsWritten_data()
    {
        QTest::addColumn<QList<int>>("multiplicand");
        QTest::addColumn<QList<int>>("multiplier");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("carries");
        QTest::addColumn<QString>("sumCarries");
        QTest::addColumn<QString>("product");

        QTest::newRow("1234 · 3: one row, carries 0 1 1 under the multiplicand")
            << QList<int>{1, 2, 3, 4} << QList<int>{3} << QStringList{"..3702"} << QStringList{"0110"}
            << "000000" << "..3702";
        QTest::newRow("1234 · 300: the zeros are brought down, one row")
            << QList<int>{1, 2, 3, 4} << QList<int>{3, 0, 0} << QStringList{"370200"}
            << QStringList{"0110"} << "000000" << "370200";
        QTest::newRow("3005 · 4: a carry over zeros")
            << QList<int>{3, 0, 0, 5} << QList<int>{4} << QStringList{".12020"} << QStringList{"0020"}
            << "000000" << ".12020";
        QTest::newRow("643 · 52: two rows and their sum")
            << QList<int>{6, 4, 3} << QList<int>{5, 2} << QStringList{"32150", ".1286"}
            << QStringList{"210", "000"} << "00100" << "33436";
        QTest::newRow("9999 · 99: carries of 8 and of the sum")
            << QList<int>{9, 9, 9, 9} << QList<int>{9, 9} << QStringList{"899910", ".89991"}
            << QStringList{"8880", "8880"} << "111100" << "989901";
    }
    void rowsAsWritten()
    {
        QFETCH(QList<int>, multiplicand);
        QFETCH(QList<int>, multiplier);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, carries);
        QFETCH(QString, sumCarries);
        QFETCH(QString, product);

        const WrittenMultiplication w(multiplicand, multiplier);
        const int columns = int(product.size());
        QCOMPARE(w.productRows(), rows.size());
        QCOMPARE(w.hasSum(), rows.size() > 1);
        QStringList shownRows;
        QStringList shownCarries;
        for (int row = 0; row < w.productRows(); ++row) {
            shownRows += rowText(w, columns, [&](int c) { return w.partialProductDigit(row, c); });
            QString carry;
            for (int place = int(multiplicand.size()) - 1; place >= 0; --place)
                carry += QChar(u'0' + w.carryInto(row, place));
            shownCarries += carry;
        }
        QCOMPARE(shownRows, rows);
        QCOMPARE(shownCarries, carries);
        QCOMPARE(rowText(w, columns, [&](int c) { return w.sumCarryInto(c); }), sumCarries);
        QCOMPARE(rowText(w, columns, [&](int c) { return w.productDigit(c); }), product);
        QCOMPARE(w.productColumns(), int(product.count(QRegularExpression(QStringLiteral("[0-9]")))));
    }

    void carriesAreFound_data()
    {
        QTest::addColumn<QList<int>>("multiplicand");
        QTest::addColumn<QList<int>>("multiplier");
        QTest::addColumn<bool>("carries");
        QTest::newRow("1234 · 2: each digit doubled stays below ten") << QList<int>{1, 2, 3, 4} << QList<int>{2} << false;
        QTest::newRow("1234 · 3: 4 · 3 carries") << QList<int>{1, 2, 3, 4} << QList<int>{3} << true;
        QTest::newRow("9111 · 9: the highest product is written down") << QList<int>{9, 1, 1, 1} << QList<int>{9} << false;
        QTest::newRow("1111 · 900: the zeros are brought down") << QList<int>{1, 1, 1, 1} << QList<int>{9, 0, 0} << false;
        QTest::newRow("12 · 34: only the sum carries") << QList<int>{1, 2} << QList<int>{3, 4} << true;
        QTest::newRow("5111 · 22: neither rows nor sum") << QList<int>{5, 1, 1, 1} << QList<int>{2, 2} << false;
    }
    void carriesAreFound()
    {
        QFETCH(QList<int>, multiplicand);
        QFETCH(QList<int>, multiplier);
        QFETCH(bool, carries);
        QCOMPARE(WrittenMultiplication(multiplicand, multiplier).hasCarries(), carries);
    }

    void factorsAndPlaces()
    {
        const WrittenMultiplication w({4, 7, 1, 1}, {2, 3});
        QCOMPARE(w.multiplicand(), 4711);
        QCOMPARE(w.multiplier(), 23);
        QCOMPARE(w.product(), 108353);
        QCOMPARE(w.multiplicandDigit(0), 1);
        QCOMPARE(w.multiplicandDigit(3), 4);
        QCOMPARE(w.multiplicandDigit(4), -1);
        QCOMPARE(w.rowDigit(0), 2);
        QCOMPARE(w.rowPlace(0), 1);
        QCOMPARE(w.rowValue(0), 9422);
        QCOMPARE(w.partialProduct(0), 94220);
        // The highest carry is written down as the row's leading digit.
        const WrittenMultiplication big({9, 9}, {9});
        QCOMPARE(big.carryInto(0, 2), 8);
        QCOMPARE(big.productDigit(3), 8);
    }
};

QTEST_APPLESS_MAIN(TestWrittenMultiplication)
#include "test_written_multiplication.moc"
