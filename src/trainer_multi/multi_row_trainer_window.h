// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/trainer_window.h"
#include "trainer_multi/multi_row_trainer_model.h"

// The two-row (Form2) and three-row (Form3) trainer windows: one design, laid
// out from the trainer's cell data on the shared trainer frame.
class MultiRowTrainerWindow : public TrainerWindow {
    Q_OBJECT
public:
    MultiRowTrainerWindow(const MultiRowDesign &design, Platform &platform, RandomSource &random,
                          PrinterLock &printerLock, HelpSetting &help);

    MultiRowTrainerModel &model() { return m_model; }

private:
    MultiRowTrainerWindow(MultiRowTrainerModel &model, Platform &platform, RandomSource &random,
                          PrinterLock &printerLock, HelpSetting &help);

    MultiRowTrainerModel &m_model;
};
