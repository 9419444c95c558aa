// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/after_first_frame.h"

#include <QWidget>
#include <QtTest/QTest>

// Work that can wait runs once, after the window's first frame, not before.
class TestAfterFirstFrame : public QObject {
    Q_OBJECT
private slots:
    void workWaitsForTheFirstFrameAndRunsOnce();
};

void TestAfterFirstFrame::workWaitsForTheFirstFrameAndRunsOnce()
{
    QWidget window;
    window.resize(100, 100);
    window.show();
    int runs = 0;
    bool exposedWhenRun = false;
    AfterFirstFrame::run(&window, [&] {
        ++runs;
        exposedWhenRun = window.windowHandle()->isExposed();
    });
    QCOMPARE(runs, 0);
    QTRY_COMPARE(runs, 1);
    QVERIFY(exposedWhenRun);
    window.hide();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
    QCOMPARE(runs, 1);
}

QTEST_MAIN(TestAfterFirstFrame)
#include "test_after_first_frame.moc"
