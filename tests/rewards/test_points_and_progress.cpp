#include "rewards/points_and_progress.h"

#include <QtTest/QTest>

class TestPointsAndProgress : public QObject {
    Q_OBJECT
private slots:
    void catchInvitationAtEveryFiftiethPoint_data();
    void catchInvitationAtEveryFiftiethPoint();
    void memoryInvitationAfterEighteenSolvedTasks();
    void ignoredMemoryInvitationKeepsRocketClimbing();
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
    QTest::newRow("hundred") << 100 << true;
}

void TestPointsAndProgress::catchInvitationAtEveryFiftiethPoint()
{
    QFETCH(int, points);
    QFETCH(bool, shown);
    PointsAndProgress track;
    for (int i = 0; i < points; ++i)
        track.addPoint();
    QCOMPARE(track.points(), points);
    QCOMPARE(track.pointsText(), QString::number(points));
    QCOMPARE(track.catchInvitationShown(), shown);
}

void TestPointsAndProgress::memoryInvitationAfterEighteenSolvedTasks()
{
    PointsAndProgress track;
    QCOMPARE(track.rocketTop(), 4680);
    for (int i = 0; i < 17; ++i)
        track.advanceProgress();
    QCOMPARE(track.rocketTop(), 600);
    QVERIFY(!track.memoryInvitationShown());
    track.advanceProgress();
    QCOMPARE(track.rocketTop(), 360);
    QVERIFY(track.memoryInvitationShown());
}

void TestPointsAndProgress::ignoredMemoryInvitationKeepsRocketClimbing()
{
    PointsAndProgress track;
    for (int i = 0; i < 20; ++i)
        track.advanceProgress();
    QCOMPARE(track.rocketTop(), -120);
    QVERIFY(track.memoryInvitationShown());
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
    QCOMPARE(track.rocketTop(), 360); // the catching game leaves the rocket alone
    track.takeMemoryInvitation();
    QVERIFY(!track.memoryInvitationShown());
    QCOMPARE(track.rocketTop(), 4680);
    QCOMPARE(track.points(), 50);
    for (int i = 0; i < 49; ++i)
        track.addPoint();
    QVERIFY(!track.catchInvitationShown());
    track.addPoint();
    QVERIFY(track.catchInvitationShown());
}

QTEST_APPLESS_MAIN(TestPointsAndProgress)
#include "test_points_and_progress.moc"
