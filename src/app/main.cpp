// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/after_first_frame.h"
#include "app/app_icon.h"
#include "app/app_shell.h"
#include "app/graphical_session.h"
#include "app/main_menu_window.h"
#include "app/single_instance.h"
#include "shell/look.h"
#include "shell/qt_platform.h"
#include "shell/qt_translation.h"
#include "shell/random_source.h"
#include "shell/window_setup.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (GraphicalSession::obviouslyMissing()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(GraphicalSession::missingMessage()));
        return GraphicalSession::failureStatus;
    }
    // A second start (a double click too many) brings the running program to
    // the front and ends before it opens a window of its own.
    SingleInstance instance;
    if (instance.start() == SingleInstance::Start::HandedOver)
        return 0;

    GraphicalSession::endGentlyIfUnreachable();
    QApplication app(argc, argv);
    GraphicalSession::restoreMessages();
    QApplication::setApplicationName(QStringLiteral("Rechenheft"));
    QApplication::setDesktopFileName(QStringLiteral("de.rechenheft.Rechenheft"));
    // A keyboard user sees at once what Space would press.
    QApplication::setStyle(Look::focusFrameStyle());
    // Message boxes and dialogs too: the same face on every desktop, whatever its theme.
    QApplication::setFont(WindowSetup::font(9));
    // Windows are only hidden while the pupil is elsewhere; the main menu alone ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    QtPlatform platform;
    MixingRandomSource random;
    random.reseed(platform.secondsSinceMidnight());
    AppShell shell(platform, random);
    QObject::connect(&instance, &SingleInstance::laterStartArrived, &shell, &AppShell::bringToFront);
    instance.watch();
    shell.start();
    // Title bars can take the icon a moment after the menu's first frame; Qt's German
    // texts are needed by then too: the help box has a context menu of Qt's own.
    AfterFirstFrame::run(shell.mainMenu(), [] {
        QApplication::setWindowIcon(AppIcon::windowIcon());
        QtTranslation::ensureGerman();
    });
    return QApplication::exec();
}
