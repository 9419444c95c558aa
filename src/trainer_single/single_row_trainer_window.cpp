// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_single/single_row_trainer_window.h"

#include <QLabel>

namespace {
TrainerFrameSpec frameSpec()
{
    TrainerFrameSpec spec;
    spec.objectName = QStringLiteral("Form1");
    spec.clientHeight = 5430;
    spec.sheetKind = SheetKind::SingleRow;
    spec.catchInvitationName = QStringLiteral("Bezeichnung26");
    spec.memoryInvitationName = QStringLiteral("Bezeichnung14");
    spec.invitationTop = 4080;
    spec.taskAreaName = QStringLiteral("Figur6");
    spec.taskAreaTop = 840;
    spec.taskAreaHeight = 3615;
    spec.gapPanelHeight = 3255;
    spec.gridLeft = 600;
    spec.rowTops = {720, 1200, 1800};
    spec.rowHeights = {495, 375, 615};
    return spec;
}
} // namespace

SingleRowTrainerWindow::SingleRowTrainerWindow(Platform &platform, RandomSource &random,
                                               PrinterLock &printerLock)
    : TrainerWindow(frameSpec(), platform, random, printerLock)
    , m_model(platform, random, this)
{
    addCommands({
        {"Befehl1", "Ende", 960, [this] { m_model.leave(); }},
        {"Befehl15", "Hilfe", 1800, [this] { m_model.showHelp(); }},
        {"Befehl21", "mal E", 2640, [this] { m_model.chooseKind(MultiplierKind::Ones); }},
        {"Befehl20", "mal Z", 3480, [this] { m_model.chooseKind(MultiplierKind::Tens); }},
        {"Befehl13", "mal H", 4320, [this] { m_model.chooseKind(MultiplierKind::Hundreds); }},
        {"Befehl12", "Lücke", 5160, [this] { m_model.chooseGaps(); }},
        {"Befehl14", "Blatt", 6000, [this] { buildWorksheet(); }},
    });
    QLabel *kindIndicator = addHiddenLabel(QStringLiteral("Bezeichnung21"), 2160);
    QLabel *gapSolution = addHiddenLabel(QStringLiteral("lueckenzahl"), 2760);
    auto mirror = [this, kindIndicator, gapSolution] {
        setWindowTitle(m_model.caption());
        kindIndicator->setText(m_model.kindIndicator());
        gapSolution->setText(m_model.gapSolution());
    };
    connect(&m_model, &TrainerModel::changed, this, mirror);
    attachModel(m_model);
    mirror();
}
