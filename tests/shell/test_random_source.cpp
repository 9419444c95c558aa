// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/random_source.h"

#include <QSet>
#include <QtTest/QTest>

class TestRandomSource : public QObject {
    Q_OBJECT
private slots:
    void drawsStayInTheUnitInterval();
    void reseedsWithinOneClockTickStillDiffer();
    void drawFormulaCoversTheWholeRange();
};

void TestRandomSource::drawsStayInTheUnitInterval()
{
    MixingRandomSource random;
    double lowest = 1;
    double highest = 0;
    for (int i = 0; i < 100000; ++i) {
        const double r = random.next();
        QVERIFY(r >= 0.0 && r < 1.0);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    QVERIFY(lowest < 0.001);
    QVERIFY(highest > 0.999);
}

void TestRandomSource::reseedsWithinOneClockTickStillDiffer()
{
    MixingRandomSource random;
    random.reseed(36000.25);
    const double first = random.next();
    random.reseed(36000.25);
    const double second = random.next();
    QVERIFY(first != second);
    // Two sources with the same history agree: the mixing is deterministic.
    MixingRandomSource again;
    again.reseed(36000.25);
    QCOMPARE(again.next(), first);
}

void TestRandomSource::drawFormulaCoversTheWholeRange()
{
    MixingRandomSource random;
    QSet<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int digit = random.draw(2, 9);
        QVERIFY(digit >= 2 && digit <= 9);
        seen.insert(digit);
    }
    QCOMPARE(seen.size(), 8);
}

QTEST_APPLESS_MAIN(TestRandomSource)
#include "test_random_source.moc"
