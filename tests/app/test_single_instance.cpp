#include "app/info_window.h"
#include "app/single_instance.h"
#include "trainer_single/single_row_trainer_window.h"

#include "support/shell_fixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
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
        return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
            .filePath(QStringLiteral("rechenheft-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces));
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
    QTest::addColumn<bool>("fillsTheQueue");
    QTest::addColumn<SingleInstance::Start>("secondStart");
    QTest::newRow("another user starts first") << true << false << SingleInstance::Start::HandedOver;
    QTest::newRow("another user starts again and again, never answering")
        << true << true << SingleInstance::Start::HandedOver;
    QTest::newRow("a copy of our own that hangs with a full queue") << false << true << SingleInstance::Start::First;
}

// Someone starts on our meeting point first and never runs an event loop; we
// start then, twice: the first start runs within a moment, the second hands
// over to it, unless a hung copy of our own still holds the meeting point.
void TestSingleInstance::nobodyElseCanHoldUpTheStart()
{
    QFETCH(bool, anotherUser);
    QFETCH(bool, fillsTheQueue);
    QFETCH(SingleInstance::Start, secondStart);
    const QString name = freshName();
    const QString account = QStringLiteral("rechenheft-%1").arg(getpid());
    if (anotherUser) {
        if (geteuid() != 0)
            QSKIP("A second user account needs root (as in CI): not tried here.");
        QCOMPARE(QProcess::execute(QStringLiteral("/usr/sbin/useradd"), {QStringLiteral("--system"), account}), 0);
    }
    const auto removeAccount = qScopeGuard([&] {
        if (anotherUser)
            QProcess::execute(QStringLiteral("/usr/sbin/userdel"), {account});
    });
    const passwd *other = anotherUser ? getpwnam(qPrintable(account)) : nullptr;
    int ready[2];
    QVERIFY(pipe(ready) == 0);
    const pid_t holder = fork();
    QVERIFY(holder >= 0);
    if (holder == 0) {
        if (other && (setgroups(0, nullptr) != 0 || setgid(other->pw_gid) != 0 || setuid(other->pw_uid) != 0))
            _exit(1);
        SingleInstance first(name);
        first.start();
        while (fillsTheQueue && SingleInstance(name).start() == SingleInstance::Start::HandedOver) {}
        (void)!write(ready[1], "x", 1);
        pause();
        _exit(0);
    }
    const auto endHolder = qScopeGuard([holder] {
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
    });
    char x = 0;
    QCOMPARE(read(ready[0], &x, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);

    QElapsedTimer clock;
    clock.start();
    SingleInstance ours(name);
    QCOMPARE(ours.start(), SingleInstance::Start::First);
    QCOMPARE(SingleInstance(name).start(), secondStart);
    QVERIFY2(clock.elapsed() < 2 * SingleInstance::handOverWait.count() + 100,
             qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
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
