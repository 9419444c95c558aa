// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_single/single_row_trainer_model.h"

#include "shell/platform.h"
#include "shell/random_source.h"

namespace {
using R = CellRole;
using Row = SingleRowTask::Row;

// The tens number's zero stands in column 2, the hundreds number's second in column 1.
int zeroColumns(MultiplierKind kind)
{
    return kind == MultiplierKind::Hundreds ? 2 : kind == MultiplierKind::Tens ? 1 : 0;
}

struct ViewNames {
    const char *task[7]; // the multiplicand, the multiplier and its two zeros
    const char *dot;
    const char *carries[3];
    const char *rules[3]; // under the calculation, then the tens and hundreds extensions
    const char *result[7];
};

void addView(QList<TrainerCell> &cells, TrainerView view, const ViewNames &names)
{
    const bool normal = view == TrainerView::Normal;
    auto add = [&](const char *name, int row, int column, CellRole role, int place, int span = 1) {
        cells.append({QString::fromLatin1(name), view, row, column, role, place, span});
    };
    // The places of a ones task: the multiplicand's ones in column 5, the
    // multiplier's and the product's in column 3; a carry goes into the place
    // of the multiplicand digit it stands under.
    const int taskColumns[] = {8, 7, 6, 5, 3, 2, 1};
    for (int i = 0; i < 7; ++i) {
        const int column = taskColumns[i];
        const R digitRole = normal ? R::TaskDigit : column > 3 ? R::Gap : R::Given;
        add(names.task[i], Row::TaskRow, column, column < 3 ? R::MultiplierZero : digitRole,
            column > 4 ? column - 4 : column - 2);
    }
    add(names.dot, Row::TaskRow, 4, R::Dot, 0);
    for (int i = 0; i < 3; ++i)
        add(names.carries[i], Row::CarryRow, 8 - i, R::Carry, 4 - i);
    add(names.rules[0], Row::CarryRow, 3, R::Rule, 0, 6);
    add(names.rules[1], Row::CarryRow, 2, R::Rule, 0);
    add(names.rules[2], Row::CarryRow, 1, R::Rule, 0);
    for (int i = 0; i < 7; ++i) {
        const int column = 7 - i;
        const R digitRole = normal ? R::Answer : R::Gap;
        add(names.result[i], Row::ResultRow, column, column < 3 ? R::BroughtDownZero : digitRole, column - 2);
    }
}

// The three gaps of each pattern: one multiplicand digit, two product digits.
struct GapPattern {
    int taskColumn;
    int resultColumns[2];
};
constexpr GapPattern gapPatterns[] = {{8, {3, 5}}, {7, {4, 7}}, {6, {3, 6}}, {5, {4, 6}}};

// The brought-down zeros first, then each product digit from the right
// followed by the carry it leaves in the next column of the multiplicand; a
// gap task's gaps as they are read: the multiplicand, then the product from the right.
QList<CellPlace> writingOrder()
{
    constexpr int carryAfterResult = 3; // the product's column c leaves its carry under column c + 3
    QList<CellPlace> order;
    for (int column = 1; column < SingleRowTask::columns; ++column) {
        order.append({TrainerView::Normal, Row::ResultRow, column});
        if (column + carryAfterResult > 5 && column + carryAfterResult <= SingleRowTask::columns)
            order.append({TrainerView::Normal, Row::CarryRow, column + carryAfterResult});
    }
    for (int column = SingleRowTask::columns; column >= 5; --column)
        order.append({TrainerView::GapPanel, Row::TaskRow, column});
    for (int column = 3; column < SingleRowTask::columns; ++column)
        order.append({TrainerView::GapPanel, Row::ResultRow, column});
    return order;
}
} // namespace

const TrainerDesign &SingleRowTrainerModel::layout()
{
    static const TrainerDesign design = [] {
        QList<TrainerCell> cells;
        addView(cells, TrainerView::Normal,
                {{"Bezeichnung1", "Bezeichnung2", "Bezeichnung3", "Bezeichnung4", "Bezeichnung5",
                  "Bezeichnung6", "Bezeichnung20"},
                 "Figur3",
                 {"Bezeichnung7", "Bezeichnung8", "Bezeichnung9"},
                 {"Linie1", "Linie6", "Linie7"},
                 {"Bezeichnung10", "Bezeichnung11", "Bezeichnung12", "Bezeichnung13", "Bezeichnung17",
                  "Bezeichnung18", "Bezeichnung19"}});
        addView(cells, TrainerView::GapPanel,
                {{"luecke1", "luecke2", "luecke3", "luecke4", "luecke5", "luecke6", "luecke10"},
                 "Figur4",
                 {"luecke9", "luecke8", "luecke7"},
                 {"Linie5", "Linie8", "Linie9"},
                 {"luecke17", "luecke16", "luecke15", "luecke14", "luecke13", "luecke12", "luecke11"}});
        return TrainerDesign(SingleRowTask::columns, {QStringLiteral("Übertrag"), QStringLiteral("Ergebnis")},
                             cells, writingOrder());
    }();
    return design;
}

SingleRowTrainerModel::SingleRowTrainerModel(Platform &platform, RandomSource &random, QObject *parent)
    : TrainerModel(layout(), platform, random, false, parent)
{
}

QString SingleRowTrainerModel::caption() const
{
    switch (m_kind) {
    case MultiplierKind::Tens:
        return QStringLiteral("Einreihige Multiplikation mit Zehnerzahl");
    case MultiplierKind::Hundreds:
        return QStringLiteral("Einreihige Multiplikation mit Hunderterzahl");
    case MultiplierKind::Ones:
        break;
    }
    return QStringLiteral("Einreihige Multiplikation mit Einerzahl");
}

int SingleRowTrainerModel::zeroCount() const
{
    return zeroColumns(m_kind);
}

// Columns 8 to 5 hold the multiplicand, 3 the multiplier digit and 2, 1 its
// zeros; the product's columns are counted from its ones, under the last of them.
CalculationStep SingleRowTrainerModel::stepOf(int cell) const
{
    const TrainerCell &c = design().cell(cell);
    const int zeros = zeroCount();
    if (!design().holdsDigit(cell))
        return {};
    switch (c.row) {
    case Row::TaskRow:
        if (c.column >= 5)
            return CalculationStep::multiplicandDigit(c.column - 5);
        return c.column <= 3 && c.column > 2 - zeros ? CalculationStep::multiplierDigit(c.column - 3 + zeros)
                                                     : CalculationStep();
    case Row::CarryRow:
        return CalculationStep::carry(0, c.column - 5);
    case Row::ResultRow:
        if (const int column = c.column - 2 + zeros; column >= 1)
            return CalculationStep::inRow(written(), 0, column);
        break;
    default:
        break;
    }
    return {};
}

// A tens or hundreds multiplier moves every digit but the multiplicand's one or two places up.
int SingleRowTrainerModel::placeOf(int cell) const
{
    const int place = TrainerModel::placeOf(cell);
    return design().factorOf(cell) == 1 ? place : place + zeroColumns(m_kind);
}

CellDigit SingleRowTrainerModel::expectedDigit(int cell) const
{
    if (cell < 0 || cell >= design().size())
        return {};
    const TrainerCell &c = design().cell(cell);
    if (c.role != R::Carry || c.view != TrainerView::Normal || !hasTask())
        return TrainerModel::expectedDigit(cell);
    // The carry beside it counts as it stands now; an empty one counts 0.
    const int lower = design().indexAt(c.view, c.row, c.column - 1);
    const int lowerCarry = lower < 0 ? 0 : digit(lower).value_or(0);
    const int sum = m_task.digit(Row::TaskRow, c.column - 1) * m_task.m + lowerCarry;
    return SingleRowTask::carryOf(sum);
}

void SingleRowTrainerModel::drawTask()
{
    m_task = SingleRowTask::draw(m_random);
}

void SingleRowTrainerModel::taskDrawn(TrainerView view)
{
    // The kind's zeros, with their rule extensions, stand in the right-most columns;
    // the ten-thousands place is there only for a five-digit product.
    const int zeros = zeroColumns(m_kind);
    for (int i = 0; i < design().size(); ++i) {
        const TrainerCell &c = design().cell(i);
        if (c.view != view)
            continue;
        if (c.role == R::MultiplierZero || c.role == R::BroughtDownZero || (c.role == R::Rule && c.column < 3))
            setVisible(i, c.column > 2 - zeros);
        else if (c.row == Row::ResultRow && c.column == 7)
            setVisible(i, m_task.product() > 9999);
    }
}

QList<int> SingleRowTrainerModel::gapsToOpen()
{
    m_random.reseed(m_platform.secondsSinceMidnight());
    const GapPattern &pattern = gapPatterns[m_random.draw(1, 4) - 1];
    return {design().indexAt(TrainerView::GapPanel, Row::TaskRow, pattern.taskColumn),
            design().indexAt(TrainerView::GapPanel, Row::ResultRow, pattern.resultColumns[0]),
            design().indexAt(TrainerView::GapPanel, Row::ResultRow, pattern.resultColumns[1])};
}

void SingleRowTrainerModel::chooseKind(MultiplierKind kind)
{
    m_kind = kind;
    bringIntoSight(TrainerView::Normal);
    newNormalTask();
}

void SingleRowTrainerModel::chooseGaps()
{
    bringIntoSight(TrainerView::GapPanel);
    newGapTask();
}
