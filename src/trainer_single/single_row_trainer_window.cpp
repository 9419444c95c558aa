// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_single/single_row_trainer_window.h"

#include "shell/digit_field.h"
#include "shell/twips.h"
#include "shell/window_setup.h"
#include "trainer_frame/trainer_look.h"

using E = SingleRowElement;
using namespace WindowSetup;
using namespace TrainerLook;

namespace {
constexpr int clientHeight = 5430;
constexpr int gapPanelInView = 840;

TrainerFrameSpec frameSpec()
{
    TrainerFrameSpec spec;
    spec.objectName = QStringLiteral("Form1");
    spec.caption = SingleRowTrainerModel::captionOnes;
    spec.clientHeight = clientHeight;
    spec.sheetKind = SheetKind::SingleRow;
    spec.catchInvitationName = QStringLiteral("Bezeichnung26");
    spec.memoryInvitationName = QStringLiteral("Bezeichnung14");
    spec.invitationTop = 4080;
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
        {"Befehl21", "mal E", 2640, [this] { m_model.chooseOnes(); }},
        {"Befehl20", "mal Z", 3480, [this] { m_model.chooseTens(); }},
        {"Befehl13", "mal H", 4320, [this] { m_model.chooseHundreds(); }},
        {"Befehl12", "Lücke", 5160, [this] { m_model.chooseGaps(); }},
        {"Befehl14", "Blatt", 6000, [this] { buildWorksheet(); }},
    });
    buildTask();
    buildGapPanel();

    auto hiddenLabel = [this](const char *name, int left) {
        auto *l = label(this, QString::fromLatin1(name), QString(), Twips::rect(left, outOfViewTop, 495, 255));
        l->hide();
        return l;
    };
    m_kindIndicator = hiddenLabel("Bezeichnung21", 2160);
    m_gapSolution = hiddenLabel("lueckenzahl", 2760);

    connect(&m_model, &SingleRowTrainerModel::changed, this, &SingleRowTrainerWindow::mirrorModel);
    attachModel(m_model);
    mirrorModel();
}

void SingleRowTrainerWindow::addDigitField(QWidget *parent, SingleRowElement element,
                                           const QRect &twips, bool carry)
{
    auto *field = new DigitField(parent);
    field->setObjectName(elementName(element));
    field->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    styleCell(field, carry ? carryRed : darkBlue, fieldColour, carry ? 13.5 : 24, true);
    field->setAccessibleDescription(carry ? QStringLiteral("Übertrag") : QStringLiteral("Ergebnisziffer"));
    connect(field, &DigitField::digitDropped, this, [this, element](const QString &digit) {
        queueDrop([this, element, digit] { m_model.dropDigit(element, digit); });
    });
    m_elements[std::size_t(element)] = field;
}

void SingleRowTrainerWindow::buildTask()
{
    QWidget *layer = taskLayer();
    shape(layer, QStringLiteral("Figur6"), Twips::rect(taskAreaLeft, 840, taskAreaWidth, 3615),
          taskAreaColour, darkBlue);

    // Task row.
    const int taskLefts[] = {1560, 2160, 2760, 3360, 4560, 5160, 5760};
    const E taskCells[] = {E::Digit1, E::Digit2, E::Digit3, E::Digit4,
                           E::Multiplier, E::MultiplierZero1, E::MultiplierZero2};
    for (int i = 0; i < 7; ++i) {
        auto *cell = label(layer, elementName(taskCells[i]), QString(),
                           Twips::rect(taskLefts[i], 1560, 495, 495));
        styleCell(cell, darkBlue, windowColour, 24, false);
        m_elements[std::size_t(taskCells[i])] = cell;
    }
    multiplicationDot(layer, QStringLiteral("Figur3"), Twips::rect(4120, 1750, 200, 200));

    // Answer fields: carries and result row.
    struct Field {
        E element;
        int left;
        int top;
        int height;
        bool carry;
    };
    const Field fields[] = {
        {E::CarryHundreds, 1560, 2040, 375, true},  {E::CarryTens, 2160, 2040, 375, true},
        {E::CarryOnes, 2760, 2040, 375, true},      {E::ProductTenThousands, 2160, 2640, 615, false},
        {E::ProductThousands, 2760, 2640, 615, false}, {E::ProductHundreds, 3360, 2640, 615, false},
        {E::ProductTens, 3960, 2640, 615, false},   {E::ProductOnes, 4560, 2640, 615, false},
        {E::BroughtDownZero1, 5160, 2640, 615, false}, {E::BroughtDownZero2, 5760, 2640, 615, false},
    };
    for (const Field &f : fields)
        addDigitField(layer, f.element, QRect(f.left, f.top, 495, f.height), f.carry);

    horizontalLine(layer, QStringLiteral("Linie1"), 1560, 5040, 2520, 3, darkBlue);
    m_elements[std::size_t(E::RuleTens)] =
        horizontalLine(layer, elementName(E::RuleTens), 5040, 5640, 2520, 3, darkBlue);
    m_elements[std::size_t(E::RuleHundreds)] =
        horizontalLine(layer, elementName(E::RuleHundreds), 5640, 6240, 2520, 3, darkBlue);
}

void SingleRowTrainerWindow::buildGapPanel()
{
    m_gapPanel = new QWidget(taskLayer());
    m_gapPanel->setObjectName(QStringLiteral("Bild6"));
    m_gapPanel->setGeometry(Twips::rect(taskAreaLeft, outOfViewTop, taskAreaWidth, 3255));
    setBackground(m_gapPanel, gapPanelColour);
    m_gapPanel->hide();

    struct Cell {
        int number; // luecke<number>
        int left;
        int top;
        int height;
        bool carry;
    };
    const Cell cells[] = {
        {1, 600, 720, 495, false},   {2, 1200, 720, 495, false},  {3, 1800, 720, 495, false},
        {4, 2400, 720, 495, false},  {5, 3600, 720, 495, false},  {6, 4200, 720, 495, false},
        {10, 4800, 720, 495, false}, {9, 600, 1200, 375, true},   {8, 1200, 1200, 375, true},
        {7, 1800, 1200, 375, true},  {17, 1200, 1800, 615, false}, {16, 1800, 1800, 615, false},
        {15, 2400, 1800, 615, false}, {14, 3000, 1800, 615, false}, {13, 3600, 1800, 615, false},
        {12, 4200, 1800, 615, false}, {11, 4800, 1800, 615, false},
    };
    for (const Cell &c : cells) {
        const E element = gapElement(c.number);
        if (acceptsDigit(element)) {
            addDigitField(m_gapPanel, element, QRect(c.left, c.top, 495, c.height), c.carry);
            continue;
        }
        auto *cell = label(m_gapPanel, elementName(element), QString(),
                           Twips::rect(c.left, c.top, 495, c.height));
        styleCell(cell, c.carry ? carryRed : darkBlue, gapPanelColour, c.carry ? 13.5 : 24, false);
        m_elements[std::size_t(element)] = cell;
    }
    multiplicationDot(m_gapPanel, QStringLiteral("Figur4"), Twips::rect(3150, 900, 195, 195));
    horizontalLine(m_gapPanel, QStringLiteral("Linie5"), 600, 4080, 1680, 3, darkBlue);
    m_elements[std::size_t(E::GapRuleTens)] =
        horizontalLine(m_gapPanel, elementName(E::GapRuleTens), 4080, 4680, 1680, 3, darkBlue);
    m_elements[std::size_t(E::GapRuleHundreds)] =
        horizontalLine(m_gapPanel, elementName(E::GapRuleHundreds), 4680, 5280, 1680, 3, darkBlue);
}

void SingleRowTrainerWindow::mirrorModel()
{
    setWindowTitle(m_model.caption());
    for (int i = 0; i < singleRowElementCount; ++i) {
        QWidget *widget = m_elements[std::size_t(i)];
        if (!widget)
            continue;
        const E element = E(i);
        if (auto *l = qobject_cast<QLabel *>(widget); l && !isLine(element))
            l->setText(m_model.text(element));
        widget->setVisible(m_model.isVisible(element));
    }

    const bool gapMode = m_model.gapMode();
    m_gapPanel->move(Twips::point(taskAreaLeft, gapMode ? gapPanelInView : outOfViewTop));
    m_gapPanel->setVisible(gapMode);
    m_kindIndicator->setText(m_model.kindIndicator());
    m_gapSolution->setText(m_model.gapSolution());
}
