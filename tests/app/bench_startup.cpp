// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_shell.h"
#include "app/main_menu_window.h"
#include "shell/random_source.h"
#include "trainer_single/single_row_trainer_window.h"

#include "support/cells.h"
#include "support/scripted_platform.h"

#include <QApplication>
#include <QtTest/QTest>

// What the pupil waits for: the main menu at start, the trainer at its first opening.
class BenchStartup : public QObject {
    Q_OBJECT
private slots:
    void mainMenuAtStart();
    void firstOpeningOfTheTrainer();
    void oneCheckedDrop();
};

void BenchStartup::mainMenuAtStart()
{
    ScriptedPlatform platform;
    MixingRandomSource random;
    QBENCHMARK {
        AppShell shell(platform, random);
        shell.start();
        QVERIFY(shell.mainMenu()->isVisible());
    }
}

void BenchStartup::firstOpeningOfTheTrainer()
{
    ScriptedPlatform platform;
    MixingRandomSource random;
    QBENCHMARK {
        AppShell shell(platform, random);
        shell.start();
        shell.openSingleRowTrainer();
        QVERIFY(shell.singleRowTrainer()->isVisible());
    }
}

void BenchStartup::oneCheckedDrop()
{
    ScriptedPlatform platform;
    MixingRandomSource random;
    AppShell shell(platform, random);
    shell.start();
    shell.openSingleRowTrainer();
    SingleRowTrainerModel &model = shell.singleRowTrainer()->model();
    QBENCHMARK {
        const int carry = cellNamed(model.design(), QStringLiteral("Bezeichnung9"));
        model.dropDigit(carry, *model.expectedDigit(carry));
        QCoreApplication::processEvents();
    }
}

QTEST_MAIN(BenchStartup)
#include "bench_startup.moc"
