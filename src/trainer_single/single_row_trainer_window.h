// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/trainer_window.h"
#include "trainer_single/single_row_trainer_model.h"

// The one-row trainer window (Form1): its commands on the shared trainer frame.
class SingleRowTrainerWindow : public TrainerWindow {
    Q_OBJECT
public:
    SingleRowTrainerWindow(Platform &platform, RandomSource &random, PrinterLock &printerLock, HelpSetting &help);

    SingleRowTrainerModel &model() { return m_model; }

private:
    SingleRowTrainerWindow(SingleRowTrainerModel &model, Platform &platform, RandomSource &random,
                           PrinterLock &printerLock, HelpSetting &help);

    SingleRowTrainerModel &m_model;
};
