// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_multi/multi_row_trainer_window.h"

#include "shell/digit_field.h"
#include "shell/twips.h"
#include "shell/window_setup.h"
#include "trainer_frame/trainer_look.h"

#include <QPushButton>

using namespace WindowSetup;
using namespace TrainerLook;

namespace {
constexpr int cellSize = 495;
constexpr int columnPitch = 600;
constexpr int dotSize = 195;
constexpr int ruleGap = 90;       // between a rule and the rows above and below it
constexpr int partialRowGap = 60; // between two partial products
const QColor givenColour(192, 192, 255);
const QColor answerColour(128, 128, 255);
const QColor gapColour(224, 224, 224);
const QColor gapDigitRed(255, 0, 0);
} // namespace

// What the two windows differ in beyond their cells.
struct MultiRowTrainerWindow::Geometry {
    QString objectName;
    QString caption;
    int clientHeight;
    int taskAreaTop;
    int taskAreaHeight;
    int invitationTop;
    int commandRuleTop;
    int tileRuleTop;
};

MultiRowTrainerWindow::Geometry MultiRowTrainerWindow::geometryFor(const MultiRowDesign &design)
{
    if (design.multiplierDigits() == 3)
        return {QStringLiteral("Form3"), QStringLiteral("Dreireihige Multiplikation"), 5430, 720,
                3495, 4200, 660, 4620};
    return {QStringLiteral("Form2"), QStringLiteral("Zweireihige Multiplikation"), 5475, 840, 3255,
            4080, 720, 4560};
}

TrainerFrameSpec MultiRowTrainerWindow::frameSpec(const MultiRowDesign &design)
{
    const Geometry g = geometryFor(design);
    TrainerFrameSpec spec;
    spec.objectName = g.objectName;
    spec.caption = g.caption;
    spec.clientHeight = g.clientHeight;
    spec.sheetKind = design.multiplierDigits() == 3 ? SheetKind::ThreeRow : SheetKind::TwoRow;
    spec.catchInvitationName = QStringLiteral("Bezeichnung29");
    spec.memoryInvitationName = QStringLiteral("Bezeichnung7");
    spec.invitationTop = g.invitationTop;
    spec.commandRuleTop = g.commandRuleTop;
    spec.tileRuleTop = g.tileRuleTop;
    return spec;
}

MultiRowTrainerWindow::MultiRowTrainerWindow(const MultiRowDesign &design, Platform &platform,
                                             RandomSource &random, PrinterLock &printerLock)
    : TrainerWindow(frameSpec(design), platform, random, printerLock)
    , m_model(design, platform, random, this)
{
    addCommands({
        {"Befehl1", "Ende", 960, [this] { m_model.leave(); }},
        {"Befehl15", "Hilfe", 1968, [this] { m_model.showHelp(); }},
        {"Befehl21", "Normal", 2976, [this] { m_model.chooseNormal(); }},
        {"Befehl12", "Treppe", 3984, [this] { m_model.toggleRowLayout(); }},
        {"Befehl13", "Lücke", 4992, [this] { m_model.chooseGaps(); }},
        {"Befehl14", "Blatt", 6000, [this] { buildWorksheet(); }},
    });
    m_layoutButton = taskLayer()->findChild<QPushButton *>(QStringLiteral("Befehl12"));

    const Geometry geometry = geometryFor(design);
    m_taskAreaTop = geometry.taskAreaTop;
    const QRect taskArea =
        Twips::rect(taskAreaLeft, geometry.taskAreaTop, taskAreaWidth, geometry.taskAreaHeight);
    shape(taskLayer(), QStringLiteral("Figur4"), taskArea, taskAreaColour, darkBlue);
    buildView(taskLayer(), MultiRowView::Normal, geometry, taskArea.topLeft());

    m_gapPanel = new QWidget(taskLayer());
    m_gapPanel->setObjectName(QStringLiteral("Bild6"));
    m_gapPanel->setGeometry(taskArea.translated(0, Twips::toPixels(outOfViewTop) - taskArea.y()));
    setBackground(m_gapPanel, answerColour);
    m_gapPanel->hide();
    buildView(m_gapPanel, MultiRowView::GapPanel, geometry, QPoint(0, 0));

    connect(&m_model, &MultiRowTrainerModel::changed, this, &MultiRowTrainerWindow::mirrorModel);
    attachModel(m_model, [this] { return m_model.staircase(); });
    mirrorModel();
}

void MultiRowTrainerWindow::buildView(QWidget *parent, MultiRowView view, const Geometry &geometry,
                                      QPoint origin)
{
    const MultiRowDesign &design = m_model.design();
    const bool normal = view == MultiRowView::Normal;
    // The grid stands centred in the task area; each partial product ends under
    // its multiplier digit because every number is written right-aligned.
    const int gridWidth = design.columns() * columnPitch - (columnPitch - cellSize);
    const int gridLeft = (taskAreaWidth - gridWidth) / 2 / Twips::perPixel * Twips::perPixel;
    const int partialRows = design.multiplierDigits();
    const int gridHeight = (partialRows + 2) * cellSize + 4 * ruleGap + (partialRows - 1) * partialRowGap;
    const int gridTop = (geometry.taskAreaHeight - gridHeight) / 2 / Twips::perPixel * Twips::perPixel;
    auto columnLeft = [&](int column) { return gridLeft + (design.columns() - column) * columnPitch; };
    auto rowTop = [&](int row) {
        if (row == 0)
            return gridTop;
        if (row == design.sumRow())
            return gridTop + gridHeight - cellSize;
        return gridTop + cellSize + 2 * ruleGap + (row - 1) * (cellSize + partialRowGap);
    };
    auto place = [&](int left, int top, int width, int height) {
        return Twips::rect(left, top, width, height).translated(origin);
    };

    for (const MultiRowCell &cell : design.cells()) {
        if (cell.view != view)
            continue;
        const QRect box = place(columnLeft(cell.column), rowTop(cell.row), cellSize, cellSize);
        QLabel *label = nullptr;
        const bool takesDrops = m_model.takesDrops(cell.name);
        if (takesDrops) {
            auto *field = new DigitField(parent);
            const QString name = cell.name;
            connect(field, &DigitField::digitDropped, this, [this, name](const QString &digit) {
                queueDrop([this, name, digit] { m_model.dropDigit(name, digit); });
            });
            field->setAccessibleDescription(cell.role == CellRole::Zero
                                                ? QStringLiteral("Null der Stelle")
                                                : QStringLiteral("Ergebnisziffer"));
            label = field;
        } else {
            label = new QLabel(parent);
        }
        label->setObjectName(cell.name);
        label->setGeometry(box);
        if (cell.role == CellRole::Gap)
            styleCell(label, gapDigitRed, gapColour, 24, true);
        else if (takesDrops)
            styleCell(label, darkBlue, answerColour, 24, true);
        else
            styleCell(label, darkBlue, givenColour, 24, false);
        m_cells.insert(cell.name, label);
    }

    const QRect dotCell = place(columnLeft(design.dotColumn()), rowTop(0), cellSize, cellSize);
    const int dot = Twips::toPixels(dotSize);
    multiplicationDot(parent, normal ? QStringLiteral("Figur3") : QStringLiteral("Figur5"),
                      QRect(dotCell.center() - QPoint(dot / 2, dot / 2), QSize(dot, dot)));

    const int ruleLeft = columnLeft(design.columns()) + origin.x() * Twips::perPixel;
    const int ruleRight = columnLeft(1) + cellSize + origin.x() * Twips::perPixel;
    const int originTop = origin.y() * Twips::perPixel;
    horizontalLine(parent, normal ? QStringLiteral("Linie1") : QStringLiteral("Linie5"), ruleLeft,
                   ruleRight, originTop + rowTop(0) + cellSize + ruleGap, 3, darkBlue);
    horizontalLine(parent, normal ? QStringLiteral("Linie6") : QStringLiteral("Linie7"), ruleLeft,
                   ruleRight, originTop + rowTop(design.sumRow()) - ruleGap, 3, darkBlue);
}

void MultiRowTrainerWindow::mirrorModel()
{
    for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it) {
        it.value()->setText(m_model.text(it.key()));
        it.value()->setVisible(m_model.isVisible(it.key()));
    }
    const bool gapMode = m_model.gapMode();
    m_gapPanel->move(Twips::point(taskAreaLeft, gapMode ? m_taskAreaTop : outOfViewTop));
    m_gapPanel->setVisible(gapMode);
    m_layoutButton->setText(m_model.layoutCaption());
}
