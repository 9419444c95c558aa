// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/info_window.h"
#include "app/single_instance.h"
#include "trainer_single/single_row_trainer_window.h"

#include "support/shell_fixture.h"

#include <QApplication>
#include <QSignalSpy>
#include <QUuid>
#include <QtTest/QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// Started twice, the program runs once: the later start hands over and the
// running program brings the pupil's working window to the front.
class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void aLaterStartHandsOverToTheRunningOne();
    void aCrashedRunLeavesNothingThatBlocksTheNextStart();
    void theWorkingWindowComesToTheFront();

private:
    static QString freshName()
    {
        return QStringLiteral("rechenheft-test/") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    }
};

void TestSingleInstance::aLaterStartHandsOverToTheRunningOne()
{
    const QString name = freshName();
    SingleInstance running(name);
    QCOMPARE(running.start(), SingleInstance::Start::First);
    running.watch();
    QSignalSpy arrived(&running, &SingleInstance::laterStartArrived);

    SingleInstance later(name);
    QCOMPARE(later.start(), SingleInstance::Start::HandedOver);
    QTRY_COMPARE(arrived.count(), 1);
    QCOMPARE(SingleInstance(freshName()).start(), SingleInstance::Start::First); // another desktop
}

void TestSingleInstance::aCrashedRunLeavesNothingThatBlocksTheNextStart()
{
    const QString name = freshName();
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) { // a run that takes the name and dies without any clean-up
        SingleInstance crashing(name);
        if (crashing.start() == SingleInstance::Start::First)
            raise(SIGKILL);
        _exit(1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, "the crashing run did not start first");
    QCOMPARE(SingleInstance(name).start(), SingleInstance::Start::First);
}

void TestSingleInstance::theWorkingWindowComesToTheFront()
{
    ShellFixture fixture;
    fixture.openSingleRowTrainer();
    fixture.shell.openInfoWindow();
    QTRY_COMPARE(QApplication::activeWindow(), fixture.shell.infoWindow());
    fixture.shell.singleRowTrainer()->showMinimized();

    fixture.shell.bringToFront();
    QTRY_COMPARE(QApplication::activeWindow(), fixture.shell.singleRowTrainer());
    QVERIFY(!fixture.shell.singleRowTrainer()->isMinimized());
    QVERIFY(!fixture.shell.mainMenu()->isVisible());
}

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
