// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_multi/multi_row_trainer_window.h"

#include "shell/twips.h"

#include <QPushButton>

namespace {
constexpr int taskAreaWidth = 5895;
constexpr int cellSize = 495;
constexpr int columnPitch = 600;
constexpr int ruleGap = 90;       // between a rule and the rows above and below it
constexpr int partialRowGap = 60; // between two partial products

// The grid stands centred in the task area, on whole pixels; each partial
// product ends under its multiplier digit because every number is written
// right-aligned.
TrainerFrameSpec frameSpec(const MultiRowDesign &design)
{
    const bool three = design.multiplierDigits() == 3;
    TrainerFrameSpec spec;
    spec.objectName = three ? QStringLiteral("Form3") : QStringLiteral("Form2");
    spec.caption = three ? QStringLiteral("Dreireihige Multiplikation")
                         : QStringLiteral("Zweireihige Multiplikation");
    spec.clientHeight = three ? 5430 : 5475;
    spec.sheetKind = three ? SheetKind::ThreeRow : SheetKind::TwoRow;
    spec.catchInvitationName = QStringLiteral("Bezeichnung29");
    spec.memoryInvitationName = QStringLiteral("Bezeichnung7");
    spec.invitationTop = three ? 4200 : 4080;
    spec.commandRuleTop = three ? 660 : 720;
    spec.tileRuleTop = three ? 4620 : 4560;
    spec.taskAreaName = QStringLiteral("Figur4");
    spec.taskAreaTop = three ? 720 : 840;
    spec.taskAreaHeight = three ? 3495 : 3255;
    spec.gapPanelHeight = spec.taskAreaHeight;

    const TrainerDesign &cells = design.cells();
    const int partialRows = design.multiplierDigits();
    const int gridWidth = cells.columns() * columnPitch - (columnPitch - cellSize);
    const int gridHeight =
        (partialRows + 2) * cellSize + 4 * ruleGap + (partialRows - 1) * partialRowGap;
    auto onPixels = [](int twips) { return twips / Twips::perPixel * Twips::perPixel; };
    spec.gridLeft = onPixels((taskAreaWidth - gridWidth) / 2);
    const int gridTop = onPixels((spec.taskAreaHeight - gridHeight) / 2);
    spec.rowTops.append(gridTop);
    for (int row = 1; row <= partialRows; ++row)
        spec.rowTops.append(gridTop + cellSize + 2 * ruleGap + (row - 1) * (cellSize + partialRowGap));
    spec.rowTops.append(gridTop + gridHeight - cellSize);
    spec.rowHeights = QList<int>(cells.rows(), cellSize);
    return spec;
}
} // namespace

MultiRowTrainerWindow::MultiRowTrainerWindow(const MultiRowDesign &design, Platform &platform,
                                             RandomSource &random, PrinterLock &printerLock)
    : TrainerWindow(frameSpec(design), platform, random, printerLock)
    , m_model(design, platform, random, this)
{
    const QList<QPushButton *> commands = addCommands({
        {"Befehl1", "Ende", 960, [this] { m_model.leave(); }},
        {"Befehl15", "Hilfe", 1968, [this] { m_model.showHelp(); }},
        {"Befehl21", "Normal", 2976, [this] { m_model.chooseNormal(); }},
        {"Befehl12", "Treppe", 3984, [this] { m_model.toggleRowLayout(); }},
        {"Befehl13", "Lücke", 4992, [this] { m_model.chooseGaps(); }},
        {"Befehl14", "Blatt", 6000, [this] { buildWorksheet(); }},
    });
    QPushButton *layoutButton = commands.at(3);
    connect(&m_model, &TrainerModel::changed, layoutButton,
            [this, layoutButton] { layoutButton->setText(m_model.layoutCaption()); });
    attachModel(m_model, [this] { return m_model.staircase(); });
}
