// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/info_window.h"
#include "app/single_instance.h"
#include "trainer_single/single_row_trainer_window.h"

#include "support/shell_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QUuid>
#include <QtTest/QTest>

#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

// Started twice, the program runs once: the later start hands over and the
// running program brings the pupil's working window to the front.
class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void aLaterStartHandsOverToTheRunningOne();
    void aCrashedRunLeavesNothingThatBlocksTheNextStart();
    void nobodyElseCanHoldUpTheStart_data();
    void nobodyElseCanHoldUpTheStart();
    void theWorkingWindowComesToTheFront();

private:
    static QString freshName()
    {
        return SingleInstance::defaultPath() + QStringLiteral("-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
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

void TestSingleInstance::nobodyElseCanHoldUpTheStart_data()
{
    QTest::addColumn<bool>("anotherUser");
    QTest::addColumn<SingleInstance::Start>("secondStart");
    QTest::newRow("another user, first and again and again") << true << SingleInstance::Start::HandedOver;
    QTest::newRow("a hung copy of our own") << false << SingleInstance::Start::First;
}

// Someone starts on our meeting point first, starts again until its queue is
// full, and hangs. We start twice: the first start runs at once, the second
// hands over to it, unless a hung copy of our own holds the meeting point.
void TestSingleInstance::nobodyElseCanHoldUpTheStart()
{
    QFETCH(bool, anotherUser);
    QFETCH(SingleInstance::Start, secondStart);
    const QString name = freshName();
    const QString account = QStringLiteral("rechenheft-%1").arg(getpid());
    if (anotherUser && QProcess::execute(QStringLiteral("/usr/sbin/useradd"), {QStringLiteral("-r"), account}) != 0)
        QSKIP("No second user account could be made (that needs root, as in CI): not tried here.");
    const auto removeAccount = qScopeGuard([&] {
        if (anotherUser)
            QProcess::execute(QStringLiteral("/usr/sbin/userdel"), {account});
    });
    const passwd *other = anotherUser ? getpwnam(qPrintable(account)) : nullptr;
    const pid_t holder = fork();
    if (holder == 0) {
        if (other && (setgroups(0, nullptr) != 0 || setgid(other->pw_gid) != 0 || setuid(other->pw_uid) != 0))
            _exit(1);
        SingleInstance first(name);
        first.start();
        while (SingleInstance(name).start() == SingleInstance::Start::HandedOver) {}
        raise(SIGSTOP);
        _exit(0);
    }
    const auto endHolder = qScopeGuard([holder] {
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
    });
    int status = 0;
    QVERIFY(holder > 0 && waitpid(holder, &status, WUNTRACED) == holder && WIFSTOPPED(status));

    QElapsedTimer clock;
    clock.start();
    SingleInstance ours(name);
    QCOMPARE(ours.start(), SingleInstance::Start::First);
    QCOMPARE(SingleInstance(name).start(), secondStart);
    QVERIFY2(clock.elapsed() < 2 * SingleInstance::handOverWait.count() + 100, qPrintable(QString::number(clock.elapsed())));
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
