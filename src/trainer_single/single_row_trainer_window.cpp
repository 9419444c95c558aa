// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_single/single_row_trainer_window.h"

namespace {
TrainerFrameSpec frameSpec(SingleRowTrainerModel &model)
{
    TrainerFrameSpec spec;
    spec.objectName = QStringLiteral("Form1");
    spec.caption = model.caption();
    spec.clientHeight = 5430;
    spec.commands = {
        {"Befehl1", "Ende", 960, [&model] { model.leave(); }},
        {"Befehl15", "Hilfe", 1800, [&model] { model.showHelp(); }},
        {"Befehl21", "mal E", 2640, [&model] { model.chooseKind(MultiplierKind::Ones); }},
        {"Befehl20", "mal Z", 3480, [&model] { model.chooseKind(MultiplierKind::Tens); }},
        {"Befehl13", "mal H", 4320, [&model] { model.chooseKind(MultiplierKind::Hundreds); }},
        {"Befehl12", "Lücke", 5160, [&model] { model.chooseGaps(); }},
    };
    spec.sheetKind = SheetKind::SingleRow;
    spec.catchInvitationName = QStringLiteral("Bezeichnung26");
    spec.memoryInvitationName = QStringLiteral("Bezeichnung14");
    spec.invitationTop = 4080;
    spec.taskAreaName = QStringLiteral("Figur6");
    spec.taskAreaTop = 840;
    spec.taskAreaHeight = 3615;
    spec.grid = {600, {720, 1200, 1800}, {495, 375, 615}};
    return spec;
}
} // namespace

SingleRowTrainerWindow::SingleRowTrainerWindow(Platform &platform, RandomSource &random, PrinterLock &printerLock,
                                               HelpSetting &help)
    : SingleRowTrainerWindow(*new SingleRowTrainerModel(platform, random), platform, random, printerLock, help)
{
}

SingleRowTrainerWindow::SingleRowTrainerWindow(SingleRowTrainerModel &model, Platform &platform,
                                               RandomSource &random, PrinterLock &printerLock, HelpSetting &help)
    : TrainerWindow(model, frameSpec(model), platform, random, printerLock, help)
    , m_model(model)
{
    connect(&model, &TrainerModel::changed, this, [this] { setWindowTitle(m_model.caption()); });
}
