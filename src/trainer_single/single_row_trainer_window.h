// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/trainer_window.h"
#include "trainer_single/single_row_trainer_model.h"

#include <array>

class QLabel;
class QWidget;

// The one-row trainer window (Form1): its task, carries and gap panel in the
// shared trainer frame; mirrors its model and turns drops into calls.
class SingleRowTrainerWindow : public TrainerWindow {
    Q_OBJECT
public:
    SingleRowTrainerWindow(Platform &platform, RandomSource &random, PrinterLock &printerLock);

    SingleRowTrainerModel &model() { return m_model; }

private:
    void buildTask();
    void buildGapPanel();
    void addDigitField(QWidget *parent, SingleRowElement element, const QRect &twips, bool carry);
    void mirrorModel();

    SingleRowTrainerModel m_model;
    std::array<QWidget *, singleRowElementCount> m_elements{};
    QWidget *m_gapPanel = nullptr;
    QLabel *m_kindIndicator = nullptr;
    QLabel *m_gapSolution = nullptr;
};
