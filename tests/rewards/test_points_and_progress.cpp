// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/points_and_progress.h"

#include <QtTest/QTest>

class TestPointsAndProgress : public QObject {
    Q_OBJECT
private slots:
    void catchInvitationAtEveryFiftiethPoint_data();
    void catchInvitationAtEveryFiftiethPoint();
    void rocketClimbsToTheMoonInEighteenSolvedTasks_data();
    void rocketClimbsToTheMoonInEighteenSolvedTasks();
    void takingInvitations();
};

void TestPointsAndProgress::catchInvitationAtEveryFiftiethPoint_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("shown");
    QTest::newRow("first point") << 1 << false;
    QTest::newRow("one short of fifty") << 49 << false;
    QTest::newRow("fifty") << 50 << true;
    QTest::newRow("still shown at 99 when not clicked") << 99 << true;
}

void TestPointsAndProgress::catchInvitationAtEveryFiftiethPoint()
{
    QFETCH(int, points);
    QFETCH(bool, shown);
    PointsAndProgress track;
    for (int i = 0; i < points; ++i)
        track.addPoint();
    QCOMPARE(track.pointsText(), QString::number(points));
    QCOMPARE(track.catchInvitationShown(), shown);
}

void TestPointsAndProgress::rocketClimbsToTheMoonInEighteenSolvedTasks_data()
{
    QTest::addColumn<int>("tasks");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("invited");
    QTest::newRow("17 tasks leave the rocket short of the moon") << 17 << 17 << false;
    QTest::newRow("the 18th task reaches the moon") << 18 << 18 << true;
    QTest::newRow("an ignored invitation lets it climb on") << 20 << 20 << true;
}

void TestPointsAndProgress::rocketClimbsToTheMoonInEighteenSolvedTasks()
{
    QFETCH(int, tasks);
    QFETCH(int, steps);
    QFETCH(bool, invited);
    PointsAndProgress track;
    for (int i = 0; i < tasks; ++i)
        track.advanceProgress();
    QCOMPARE(track.rocketSteps(), steps);
    QCOMPARE(track.memoryInvitationShown(), invited);
}

void TestPointsAndProgress::takingInvitations()
{
    PointsAndProgress track;
    for (int i = 0; i < 50; ++i)
        track.addPoint();
    for (int i = 0; i < 18; ++i)
        track.advanceProgress();
    track.takeCatchInvitation();
    QVERIFY(!track.catchInvitationShown());
    QCOMPARE(track.rocketSteps(), 18); // the catching game leaves the rocket alone
    track.takeMemoryInvitation();
    QVERIFY(!track.memoryInvitationShown());
    QCOMPARE(track.rocketSteps(), 0);
    QCOMPARE(track.points(), 50);
    for (int i = 0; i < 49; ++i)
        track.addPoint();
    QVERIFY(!track.catchInvitationShown());
    track.addPoint();
    QVERIFY(track.catchInvitationShown());
}

QTEST_APPLESS_MAIN(TestPointsAndProgress)
#include "test_points_and_progress.moc"
