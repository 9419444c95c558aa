// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/calculation_view.h"

#include "shell/digit_field.h"
#include "shell/look.h"
#include "shell/twips.h"
#include "shell/window_setup.h"
#include "trainer_frame/trainer_model.h"

using namespace FrameGeometry;

namespace {
constexpr int ruleWidth = 3; // pixels

const Look::CellStyle &styleOf(const TrainerCell &cell, bool openGap)
{
    const bool normal = cell.view == TrainerView::Normal;
    switch (cell.role) {
    case CellRole::TaskDigit:
        return Look::taskCell;
    case CellRole::Carry:
        return Look::carryCell;
    case CellRole::Answer:
    case CellRole::PlaceZero:
    case CellRole::BroughtDownZero:
        return normal ? Look::answerCell : Look::givenCell;
    case CellRole::MultiplierZero:
        return normal ? Look::taskCell : Look::givenCell;
    case CellRole::Gap:
        return openGap ? Look::gapCell : Look::givenCell;
    case CellRole::Given:
    case CellRole::Dot:
    case CellRole::Rule:
        break;
    }
    return Look::givenCell;
}

} // namespace

CalculationView::CalculationView(const TrainerModel &model, const QString &objectName, const QRect &area,
                                 const Grid &grid, QWidget *parent)
    : QFrame(parent)
    , m_model(model)
    , m_grid(grid)
{
    setObjectName(objectName);
    setGeometry(Twips::rect(area.x(), area.y(), area.width(), area.height()));
    WindowSetup::setBackground(this, Look::taskArea);
    setFrameShape(QFrame::Box);
    QPalette border = palette();
    border.setColor(QPalette::WindowText, Look::ink);
    setPalette(border);

    // The gap panel covers the whole task area, so nothing of the task under it shows.
    m_gapPanel = new QWidget(this);
    m_gapPanel->setObjectName(QStringLiteral("Bild6"));
    m_gapPanel->setGeometry(rect());
    WindowSetup::setBackground(m_gapPanel, Look::panel);
    m_gapPanel->hide();

    const TrainerDesign &design = model.design();
    m_styledAsGap.fill(false, design.size());
    m_styledLit.fill(false, design.size());
    for (int i = 0; i < design.size(); ++i) {
        QWidget *parentOfCell = design.cell(i).view == TrainerView::Normal ? this : m_gapPanel;
        m_cells.append(design.cell(i).role == CellRole::Rule ? makeRule(i, parentOfCell) : makeCell(i, parentOfCell));
    }
    mirror();
}

QRect CalculationView::cellBox(int cell) const
{
    const TrainerDesign &design = m_model.design();
    const TrainerCell &c = design.cell(cell);
    return QRect(m_grid.left + (design.columns() - c.column) * columnPitch, m_grid.rowTops.value(c.row),
                 cellWidth, m_grid.rowHeights.value(c.row));
}

QWidget *CalculationView::makeCell(int cell, QWidget *parent)
{
    const TrainerDesign &design = m_model.design();
    const TrainerCell &c = design.cell(cell);
    const QRect box = cellBox(cell);
    if (c.role == CellRole::Dot) {
        const int dot = Twips::toPixels(dotSize);
        const QPoint centre = Twips::rect(box.x(), box.y(), box.width(), box.height()).center();
        QFrame *mark = Look::multiplicationDot(parent, c.name, QRect(centre - QPoint(dot / 2, dot / 2), QSize(dot, dot)));
        mark->setAccessibleName(QStringLiteral("mal"));
        return mark;
    }
    CellLabel *label = nullptr;
    if (design.takesDrops(cell)) {
        auto *field = new DigitField(parent);
        connect(field, &DigitField::digitDropped, this, [this, cell](int digit) { emit digitDropped(cell, digit); });
        connect(field, &DigitField::digitTyped, this, [this, cell](int digit) { emit digitTyped(cell, digit); });
        connect(field, &DigitField::tapped, this, [this, cell] { emit fieldTapped(cell); });
        label = field;
    } else {
        label = new CellLabel(parent);
    }
    label->setObjectName(c.name);
    label->setGeometry(Twips::rect(box.x(), box.y(), box.width(), box.height()));
    Look::styleCell(label, styleOf(c, false), design.takesDrops(cell));
    return label;
}

// A rule continues the one that ends left of it, else starts at its own column.
QWidget *CalculationView::makeRule(int cell, QWidget *parent)
{
    const TrainerDesign &design = m_model.design();
    const TrainerCell &c = design.cell(cell);
    const QRect box = cellBox(cell);
    int left = box.x() - (c.span - 1) * columnPitch;
    for (int j = 0; j < design.size(); ++j) {
        const TrainerCell &other = design.cell(j);
        if (other.role == CellRole::Rule && other.view == c.view && other.row == c.row
            && other.column == c.column + c.span)
            left = cellBox(j).right() + 1;
    }
    const int bottom = box.y() + box.height();
    const int nextTop = m_grid.rowTops.value(c.row + 1);
    return WindowSetup::horizontalLine(parent, c.name, left, box.right() + 1, (bottom + nextTop) / 2, ruleWidth,
                                       Look::ink);
}

DigitField *CalculationView::field(int cell) const
{
    return qobject_cast<DigitField *>(m_cells.value(cell));
}

int CalculationView::cellOf(const QWidget *widget) const
{
    return int(m_cells.indexOf(const_cast<QWidget *>(widget)));
}

void CalculationView::mirror()
{
    const TrainerDesign &design = m_model.design();
    const bool gapMode = m_model.gapMode();
    // What each view's task asks: the name of its frame, told again on each field that takes digits.
    const QString normalTask = m_model.taskText(TrainerView::Normal);
    const QString gapTask = m_model.taskText(TrainerView::GapPanel);
    const Tutor &tutor = m_model.tutor();
    for (int i = 0; i < design.size(); ++i) {
        QWidget *widget = m_cells.at(i);
        const TrainerCell &c = design.cell(i);
        if (design.holdsDigit(i)) {
            auto *label = static_cast<CellLabel *>(widget);
            label->setText(digitText(m_model.digit(i)));
            WindowSetup::nameForScreenReader(label, m_model.cellName(i));
            QString asks = c.view == TrainerView::Normal ? normalTask : gapTask;
            if (i == tutor.hintCell()) // the field a hint is about says it too
                asks += QStringLiteral(". ") + tutor.hint();
            if (design.takesDrops(i) && label->accessibleDescription() != asks)
                label->setAccessibleDescription(asks);
            // A gap the task left open looks like one until the next task; a lit digit while the hint stands.
            if (m_styledAsGap.at(i) != m_model.isOpenGap(i) || m_styledLit.at(i) != tutor.isLit(i)) {
                m_styledAsGap[i] = m_model.isOpenGap(i);
                m_styledLit[i] = tutor.isLit(i);
                Look::CellStyle style = styleOf(c, m_styledAsGap.at(i));
                if (m_styledLit.at(i))
                    style.background = Look::litCell;
                Look::styleCell(label, style, design.takesDrops(i));
            }
        }
        // The normal task under the gap panel is out of sight, for a screen reader too.
        widget->setVisible(m_model.isVisible(i) && (c.view == TrainerView::GapPanel || !gapMode));
    }
    m_gapPanel->setVisible(gapMode);
    WindowSetup::nameForScreenReader(this, normalTask);
    WindowSetup::nameForScreenReader(m_gapPanel, gapTask);
}
