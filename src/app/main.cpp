#include "app/app_icon.h"
#include "app/app_shell.h"
#include "shell/qt_platform.h"
#include "shell/random_source.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rechenheft"));
    QApplication::setDesktopFileName(QStringLiteral("de.rechenheft.Rechenheft"));
    QApplication::setWindowIcon(AppIcon::windowIcon());
    // Windows are only hidden while the pupil is elsewhere; the main menu alone ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // Standard dialogs (the file dialog among them) speak German.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QtPlatform platform;
    MixingRandomSource random;
    random.reseed(platform.secondsSinceMidnight());
    AppShell shell(platform, random);
    shell.start();
    return QApplication::exec();
}
