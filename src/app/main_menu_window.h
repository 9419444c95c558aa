// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/window_placement.h"

#include <QWidget>

class Platform;
class QPlainTextEdit;
class QLabel;
class PictureButton;

// The main menu (Form0): the first window and the only way to end the program.
class MainMenuWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainMenuWindow(Platform &platform);

    // Writes the help text into the help box (again).
    void buildHelpText();

signals:
    void singleRowTrainerRequested();
    void twoRowTrainerRequested();
    void threeRowTrainerRequested();
    void infoRequested();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void confirmExit();

    Platform &m_platform;
    WindowPlacement m_placement;
    QPlainTextEdit *m_help = nullptr;
};
