// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_single/single_row_trainer_model.h"

#include "shell/lenient_number.h"
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
    auto add = [&](const char *name, int row, int column, CellRole role, int span = 1) {
        cells.append({QString::fromLatin1(name), view, row, column, role, span});
    };
    const int taskColumns[] = {8, 7, 6, 5, 3, 2, 1};
    for (int i = 0; i < 7; ++i) {
        const int column = taskColumns[i];
        const R digitRole = normal ? R::TaskDigit : column > 3 ? R::Gap : R::Given;
        add(names.task[i], Row::TaskRow, column, column < 3 ? R::MultiplierZero : digitRole);
    }
    add(names.dot, Row::TaskRow, 4, R::Dot);
    for (int i = 0; i < 3; ++i)
        add(names.carries[i], Row::CarryRow, 8 - i, R::Carry);
    add(names.rules[0], Row::CarryRow, 3, R::Rule, 6);
    add(names.rules[1], Row::CarryRow, 2, R::Rule);
    add(names.rules[2], Row::CarryRow, 1, R::Rule);
    for (int i = 0; i < 7; ++i) {
        const int column = 7 - i;
        const R digitRole = normal ? R::Answer : R::Gap;
        add(names.result[i], Row::ResultRow, column, column < 3 ? R::BroughtDownZero : digitRole);
    }
}

// The expected numbers right-aligned in seven columns, as the key lists hold them.
QString sevenColumns(qint64 value)
{
    return QString::number(value).rightJustified(7);
}

// The three gaps of each pattern: one multiplicand digit, two product digits.
const char *const gapPatterns[4][3] = {{"luecke1", "luecke13", "luecke15"},
                                       {"luecke2", "luecke14", "luecke17"},
                                       {"luecke3", "luecke13", "luecke16"},
                                       {"luecke4", "luecke14", "luecke16"}};
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
        return TrainerDesign(SingleRowTask::columns, 3, cells);
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

QString SingleRowTrainerModel::kindIndicator() const
{
    const QString letter = m_kind == MultiplierKind::Hundreds ? QStringLiteral("H")
        : m_kind == MultiplierKind::Tens                     ? QStringLiteral("Z")
                                                             : QStringLiteral("E");
    return m_kindNamesGaps ? QStringLiteral("L") + letter : letter;
}

QString SingleRowTrainerModel::gapSolution() const
{
    if (!m_gapTask)
        return {};
    return QString::number(m_gapTask->multiplicand()) + QString::number(m_gapTask->product());
}

QStringList SingleRowTrainerModel::keyListA() const
{
    if (!hasTask())
        return {};
    const qint64 p = m_task.product();
    return {sevenColumns(m_task.multiplicand()), sevenColumns(m_task.m), sevenColumns(100 * p)};
}

QStringList SingleRowTrainerModel::keyListB() const
{
    if (!hasTask())
        return {};
    const qint64 p = m_task.product();
    return {sevenColumns(p), sevenColumns(10 * p), sevenColumns(100 * p)};
}

QString SingleRowTrainerModel::expectedDigit(int cell) const
{
    if (cell < 0 || cell >= design().size())
        return {};
    const TrainerCell &c = design().cell(cell);
    if (c.role != R::Carry || c.view != TrainerView::Normal || !hasTask())
        return TrainerModel::expectedDigit(cell);
    // The carry beside it counts as it stands now; an empty one counts 0.
    const int lower = design().indexAt(c.view, c.row, c.column - 1);
    const int lowerCarry = lower < 0 ? 0 : int(lenientNumber(text(lower)));
    const int sum = m_task.digit(Row::TaskRow, c.column - 1) * m_task.m + lowerCarry;
    return QString::number(SingleRowTask::carryOf(sum));
}

void SingleRowTrainerModel::drawTask()
{
    m_task = SingleRowTask::draw(m_random);
}

void SingleRowTrainerModel::taskDrawn(TrainerView view)
{
    if (view == TrainerView::GapPanel)
        m_gapTask = m_task;
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
    const int pattern = m_random.draw(1, 4);
    QList<int> gaps;
    for (const char *name : gapPatterns[pattern - 1])
        gaps.append(design().indexOf(QString::fromLatin1(name)));
    return gaps;
}

void SingleRowTrainerModel::chooseKind(MultiplierKind kind)
{
    m_kind = kind;
    m_kindNamesGaps = false;
    bringIntoSight(TrainerView::Normal);
    newNormalTask();
}

void SingleRowTrainerModel::chooseGaps()
{
    m_kindNamesGaps = true;
    bringIntoSight(TrainerView::GapPanel);
    newGapTask();
}
