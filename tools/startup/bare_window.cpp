// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up: the least a Qt Widgets program does to show a
// window the size of the main menu with one line of text.
#include "shell/twips.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Schriftliche Multiplikation"));
    window.setWindowTitle(QStringLiteral("Schriftliche Multiplikation"));
    window.setFixedSize(Twips::size(6300, 6705)); // the main menu's client area
    window.show();
    return QApplication::exec();
}
