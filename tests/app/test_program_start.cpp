// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/graphical_session.h"

#include <QProcess>
#include <QtTest/QTest>

// The real program started where no window can be shown: a German sentence on
// the terminal and a failure status, never an abort.
class TestProgramStart : public QObject {
    Q_OBJECT
private slots:
    void withoutADesktopItSaysSoAndFails_data();
    void withoutADesktopItSaysSoAndFails();
};

void TestProgramStart::withoutADesktopItSaysSoAndFails_data()
{
    QTest::addColumn<QString>("display");
    QTest::newRow("no display at all") << QString();
    QTest::newRow("a display nobody answers") << QStringLiteral(":4093");
}

void TestProgramStart::withoutADesktopItSaysSoAndFails()
{
    QFETCH(QString, display);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(RECHENHEFT_PROGRAM), QStringList());
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), GraphicalSession::failureStatus);
    const QString said = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(said.contains(GraphicalSession::missingMessage()), qPrintable(said));
    QVERIFY(said.contains(QStringLiteral("grafische Arbeitsoberfläche")));
}

QTEST_MAIN(TestProgramStart)
#include "test_program_start.moc"
