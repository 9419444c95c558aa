// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/app_shell.h"
#include "app/main_menu_window.h"
#include "support/scripted_platform.h"
#include "support/scripted_random.h"
#include "support/single_row_draws.h"

#include <QAbstractButton>
#include <QList>
#include <QtTest/QTest>

// The whole program on the scripted platform, with scripted draws.
struct ShellFixture {
    ScriptedPlatform platform;
    ScriptedRandom random;
    AppShell shell{platform, random};

    QAbstractButton *menuButton(const QString &name)
    {
        return shell.mainMenu()->findChild<QAbstractButton *>(name);
    }
    // Starts the program and opens the one-row trainer the way a pupil does.
    void openSingleRowTrainer()
    {
        shell.start();
        QTest::mouseClick(menuButton(QStringLiteral("Bild1")), Qt::LeftButton);
    }
};
