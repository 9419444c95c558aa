// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <QWidget>

class AnswerInput;
class HelpSetting;
class QLabel;
class QPushButton;
class TrainerModel;
class WindowPlacement;

// The strip under a trainer's tiles where it helps: "Tipp" for the field in
// focus, "Vormachen", and the hint, which a screen reader reads and is told
// of whenever it changes. It covers nothing of the trainer: the window grows
// by it while help is on and is its own size again while help is off.
class HelpStrip : public QWidget {
    Q_OBJECT
public:
    // `top` is the window's own height, in twips.
    HelpStrip(TrainerModel &model, AnswerInput &input, HelpSetting &setting, WindowPlacement &placement, int top,
              QWidget *window);

    static constexpr int height = 960; // twips
    void mirror();

private:
    void follow(bool helpOn);

    TrainerModel &m_model;
    WindowPlacement &m_placement;
    QSize m_windowSize; // twips, without the strip
    QPushButton *m_hintCommand = nullptr;
    QPushButton *m_demonstrationCommand = nullptr;
    QLabel *m_hint = nullptr;
    QString m_shownHint;
    bool m_offered = false;
};
