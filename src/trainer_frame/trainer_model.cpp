// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/trainer_model.h"

#include "shell/platform.h"
#include "shell/random_source.h"

TrainerModel::TrainerModel(const TrainerDesign &design, Platform &platform, RandomSource &random,
                           bool announcesCatchGame, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_random(random)
    , m_design(design)
    , m_score(announcesCatchGame)
    , m_digits(design.size())
    , m_visible(design.size(), true)
    , m_openGaps(design.size(), false)
{
    connect(&m_tutor, &Tutor::changed, this, &TrainerModel::changed);
}

void TrainerModel::activate()
{
    if (gapMode())
        newGapTask();
    else
        newNormalTask();
}

void TrainerModel::showHelp()
{
    m_score.showHelp(m_platform);
}

void TrainerModel::leave()
{
    m_inSight = TrainerView::Normal;
    emit changed();
    emit leaveRequested();
}

void TrainerModel::takeCatchInvitation()
{
    m_score.takeCatchInvitation();
    emit changed(); // the invitation is gone while a reward is announced
    m_score.announceCatchGame(m_platform);
}

void TrainerModel::takeMemoryInvitation()
{
    m_score.takeMemoryInvitation();
    emit changed();
}

void TrainerModel::writeTask(TrainerView view, int lastRow)
{
    m_random.reseed(m_platform.secondsSinceMidnight());
    drawTask();
    m_hasTask = true;
    m_taskView = view;
    for (int i = 0; i < m_design.size(); ++i) {
        const TrainerCell &cell = m_design.cell(i);
        if (cell.view != view || !m_design.holdsDigit(i))
            continue;
        m_openGaps[i] = false;
        const int digit = cell.row <= lastRow ? solutionDigit(cell.row, cell.column) : -1;
        m_digits[i] = digit < 0 ? CellDigit() : CellDigit(digit);
    }
    taskDrawn(view);
}

void TrainerModel::rearrange()
{
    m_tutor.tasksChanged();
    emit changed();
    emit rearranged();
}

void TrainerModel::newNormalTask()
{
    writeTask(TrainerView::Normal, 0);
    rearrange();
}

void TrainerModel::newGapTask()
{
    writeTask(TrainerView::GapPanel, m_design.rows() - 1);
    for (int cell : gapsToOpen()) {
        m_digits[cell].reset();
        m_openGaps[cell] = true;
    }
    rearrange();
}

CellDigit TrainerModel::expectedDigit(int cell) const
{
    if (cell < 0 || cell >= m_design.size())
        return {};
    const TrainerCell &c = m_design.cell(cell);
    const int digit = m_hasTask ? solutionDigit(c.row, c.column) : -1;
    return digit < 0 ? CellDigit() : CellDigit(digit);
}

bool TrainerModel::takesDigit(int cell) const
{
    return cell >= 0 && cell < m_design.size() && m_design.takesDrops(cell) && m_visible.at(cell)
        && m_design.cell(cell).view == m_inSight;
}

DropOutcome TrainerModel::dropDigit(int cell, int digit)
{
    if (!takesDigit(cell) || digit < 0 || digit > 9)
        return DropOutcome::Refused;
    // A digit while a task is written for the pupil only ends that: the pupil gets one of his own.
    if (m_tutor.demonstrating()) {
        m_tutor.stopDemonstration();
        return DropOutcome::Refused;
    }
    const TrainerView view = m_design.cell(cell).view;
    const DigitQuestion asked = question(cell);

    m_digits[cell] = digit;
    const bool right = CellDigit(digit) == expectedDigit(cell);
    if (right) {
        m_score.addPoint();
    } else {
        emit changed(); // the wrong digit stays in sight while it is reported
        m_score.reportWrongDigit(m_platform);
        m_digits[cell].reset();
    }
    m_tutor.digitChecked(asked, cell, digit, right); // the hint comes once the message is closed
    emit changed();

    if (!isSolved(view))
        return right ? DropOutcome::Right : DropOutcome::Wrong;
    m_tutor.taskSolved();
    if (view == TrainerView::GapPanel) {
        m_score.announceSolved(m_platform, TrainerScore::gapTaskTitle);
        newGapTask();
    } else {
        m_score.announceSolved(m_platform, TrainerScore::normalTaskTitle);
        newNormalTask();
    }
    return DropOutcome::Solved;
}

bool TrainerModel::isSolved(TrainerView view) const
{
    if (!m_hasTask || m_taskView != view)
        return false;
    for (int i = 0; i < m_design.size(); ++i) {
        if (m_design.cell(i).view == view && m_design.countsForSolution(i) && m_visible.at(i)
            && m_digits.at(i) != expectedDigit(i))
            return false;
    }
    return true;
}

DigitQuestion TrainerModel::question(int cell) const
{
    DigitQuestion asked;
    asked.calculation = written();
    asked.step = stepOf(cell);
    asked.expected = expectedDigit(cell).value_or(-1);
    asked.gap = m_openGaps.at(cell);
    // A carry the pupil writes is worked out with the carry he wrote beside it.
    if (asked.step.kind == StepKind::Carry) {
        const int beside = cellOfStep(CalculationStep::carry(asked.step.row, asked.step.place - 1));
        if (beside >= 0 && m_design.takesDrops(beside))
            asked.carryWritten = m_digits.at(beside).value_or(0);
    }
    return asked;
}

int TrainerModel::cellOfStep(const CalculationStep &step) const
{
    if (step.kind == StepKind::None)
        return -1;
    for (int i = 0; i < m_design.size(); ++i)
        if (m_design.cell(i).view == m_inSight && m_visible.at(i) && m_design.holdsDigit(i) && stepOf(i) == step)
            return i;
    return -1;
}

void TrainerModel::writeForDemonstration(int cell, CellDigit digit)
{
    if (cell >= 0 && cell < m_design.size())
        m_digits[cell] = digit;
}

QList<int> TrainerModel::writingCells() const
{
    QList<int> cells;
    for (int cell : m_design.writingOrder()) {
        if (m_design.cell(cell).view == m_inSight && m_visible.at(cell)
            && (m_inSight == TrainerView::Normal || m_openGaps.at(cell)))
            cells.append(cell);
    }
    return cells;
}

int TrainerModel::firstToWrite() const
{
    const QList<int> cells = writingCells();
    for (int cell : cells)
        if (!m_digits.at(cell))
            return cell;
    return cells.isEmpty() ? -1 : cells.first();
}

int TrainerModel::nextToWrite(int cell) const
{
    const QList<int> cells = writingCells();
    const int at = int(cells.indexOf(cell));
    for (int step = 1; step <= cells.size(); ++step) {
        const int next = cells.at((at + step) % cells.size());
        if (!m_digits.at(next))
            return next;
    }
    return -1;
}

int TrainerModel::neighbour(int cell, Move move) const
{
    const TrainerCell &from = m_design.cell(cell);
    const bool sideways = move == Move::Left || move == Move::Right;
    // Sideways only within the row; up or down to the nearest row first, then the nearest column.
    auto distance = [&](const TrainerCell &c) {
        if (sideways) {
            const int columns = move == Move::Left ? c.column - from.column : from.column - c.column;
            return c.row == from.row && columns > 0 ? columns : -1;
        }
        const int rows = move == Move::Up ? from.row - c.row : c.row - from.row;
        return rows > 0 ? rows * 100 + qAbs(c.column - from.column) : -1;
    };
    int best = cell;
    int bestDistance = -1;
    for (int candidate : writingCells()) {
        const int d = distance(m_design.cell(candidate));
        if (d >= 0 && (bestDistance < 0 || d < bestDistance)) {
            best = candidate;
            bestDistance = d;
        }
    }
    return best;
}

namespace {
QString placeOfCell(int place, int column)
{
    // Only a cell the task does not show has no place; its column keeps its name apart.
    const QString name = placeName(place);
    return name.isEmpty() ? QStringLiteral("Spalte %1").arg(column) : name;
}
} // namespace

QString TrainerModel::cellName(int cell) const
{
    const TrainerCell &c = m_design.cell(cell);
    QString what = m_design.rowTitle(cell);
    if (c.view == TrainerView::GapPanel)
        what.prepend(m_openGaps.at(cell) ? QStringLiteral("Lücke, ") : TrainerScore::gapTaskTitle + QStringLiteral(", "));
    const CellDigit &digit = m_digits.at(cell);
    return QStringLiteral("%1, %2: %3")
        .arg(what, placeOfCell(placeOf(cell), c.column), digit ? QString::number(*digit) : QStringLiteral("leer"));
}

QString TrainerModel::taskText(TrainerView view) const
{
    const QString title = view == TrainerView::GapPanel ? TrainerScore::gapTaskTitle : TrainerScore::normalTaskTitle;
    // Each factor's digits from the left; a factor with a gap is read digit by digit.
    QStringList factors[2];
    bool gap[2] = {false, false};
    bool written = false;
    for (int column = m_design.columns(); column >= 1; --column) {
        const int cell = m_design.indexAt(view, 0, column);
        if (cell < 0 || !m_visible.at(cell))
            continue;
        const int factor = m_design.factorOf(cell) - 1;
        const CellDigit &digit = m_digits.at(cell);
        written |= bool(digit);
        gap[factor] |= !digit;
        factors[factor].append(digit ? QString::number(*digit) : QStringLiteral("Lücke"));
    }
    if (!written) // no task of this kind yet
        return title;
    auto read = [&](int factor) { return factors[factor].join(gap[factor] ? QStringLiteral(", ") : QString()); };
    return QStringLiteral("%1: %2 mal %3").arg(title, read(0), read(1));
}
