// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_multi/multi_row_trainer_window.h"

#include <QPushButton>

namespace {
constexpr int ruleGap = 90;       // between a rule and the rows above and below it
constexpr int partialRowGap = 60; // between two partial products
constexpr int layoutCommand = 3;  // "Treppe" / "Bündig"

TrainerFrameSpec frameSpec(MultiRowTrainerModel &model)
{
    const int partialRows = model.rowDesign().multiplierDigits();
    const bool three = partialRows == 3;
    TrainerFrameSpec spec;
    spec.objectName = three ? QStringLiteral("Form3") : QStringLiteral("Form2");
    spec.caption = three ? QStringLiteral("Dreireihige Multiplikation") : QStringLiteral("Zweireihige Multiplikation");
    spec.clientHeight = three ? 5430 : 5475;
    spec.commands = {
        {"Befehl1", "Ende", 960, [&model] { model.leave(); }},
        {"Befehl15", "Hilfe", 1968, [&model] { model.showHelp(); }},
        {"Befehl21", "Normal", 2976, [&model] { model.chooseNormal(); }},
        {"Befehl12", "Treppe", 3984, [&model] { model.toggleRowLayout(); }},
        {"Befehl13", "Lücke", 4992, [&model] { model.chooseGaps(); }},
    };
    spec.sheetKind = three ? SheetKind::ThreeRow : SheetKind::TwoRow;
    spec.staircase = [&model] { return model.staircase(); };
    spec.catchInvitationName = QStringLiteral("Bezeichnung29");
    spec.memoryInvitationName = QStringLiteral("Bezeichnung7");
    spec.invitationTop = three ? 4200 : 4080;
    spec.commandRuleTop = three ? 660 : 720;
    spec.tileRuleTop = three ? 4620 : 4560;
    spec.taskAreaName = QStringLiteral("Figur4");
    spec.taskAreaTop = three ? 720 : 840;
    spec.taskAreaHeight = three ? 3495 : 3255;
    // The task, a rule, the partial products, a rule, the sum; each partial
    // product ends under its multiplier digit because every number is written right-aligned.
    QList<int> gaps{2 * ruleGap};
    for (int row = 1; row < partialRows; ++row)
        gaps.append(partialRowGap);
    gaps.append(2 * ruleGap);
    spec.grid = FrameGeometry::Grid::centred(model.design().columns(), spec.taskAreaHeight, gaps);
    return spec;
}
} // namespace

MultiRowTrainerWindow::MultiRowTrainerWindow(const MultiRowDesign &design, Platform &platform, RandomSource &random,
                                             PrinterLock &printerLock, HelpSetting &help)
    : MultiRowTrainerWindow(*new MultiRowTrainerModel(design, platform, random), platform, random, printerLock, help)
{
}

MultiRowTrainerWindow::MultiRowTrainerWindow(MultiRowTrainerModel &model, Platform &platform, RandomSource &random,
                                             PrinterLock &printerLock, HelpSetting &help)
    : TrainerWindow(model, frameSpec(model), platform, random, printerLock, help)
    , m_model(model)
{
    QPushButton *layoutButton = commands().at(layoutCommand);
    connect(&model, &TrainerModel::changed, layoutButton, [this, layoutButton] {
        layoutButton->setText(m_model.layoutCaption());
    });
}
