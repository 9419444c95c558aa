// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_multi/multi_row_trainer_model.h"

#include "shell/platform.h"
#include "shell/random_source.h"

namespace {
const QString zero = QStringLiteral("0");
} // namespace

MultiRowTrainerModel::MultiRowTrainerModel(const MultiRowDesign &design, Platform &platform,
                                           RandomSource &random, QObject *parent)
    : TrainerModel(platform, random, true, parent)
    , m_design(design)
{
}

bool MultiRowTrainerModel::isVisible(const QString &field) const
{
    const MultiRowCell *cell = m_design.cell(field);
    return cell && !(cell->role == CellRole::Zero && m_staircase);
}

void MultiRowTrainerModel::clearView(MultiRowView view)
{
    for (const MultiRowCell &cell : m_design.cells())
        if (cell.view == view)
            m_texts.insert(cell.name, QString());
}

void MultiRowTrainerModel::clearNormalTask()
{
    clearView(MultiRowView::Normal);
}

void MultiRowTrainerModel::clearGapTask()
{
    clearView(MultiRowView::GapPanel);
}

// Draws a task with the clock's re-seed and writes each digit into the task row
// of the view right after its draw; the key lists start afresh.
void MultiRowTrainerModel::drawInto(MultiRowView view)
{
    m_random.reseed(m_platform.secondsSinceMidnight());
    m_keyA.clear();
    m_keyB.clear();
    m_task = MultiRowTask::draw(m_design.multiplierDigits(), m_random);
    const QList<int> digits = m_task.taskDigits();
    const QList<MultiRowCell> taskRow = m_design.row(view, 0);
    for (int i = 0; i < taskRow.size(); ++i)
        m_texts.insert(taskRow.at(i).name, QString::number(digits.at(i)));
    m_keyA = m_task.keyListA();
}

void MultiRowTrainerModel::newNormalTask()
{
    if (m_gapMode) {
        newGapTask();
        return;
    }
    clearNormalTask();
    drawInto(MultiRowView::Normal);
    emit changed();
}

void MultiRowTrainerModel::newGapTask()
{
    clearGapTask();
    drawInto(MultiRowView::GapPanel);
    // The whole calculation: every key entry right-aligned in its row.
    for (int row = 1; row <= m_design.sumRow(); ++row) {
        const QString &entry = m_keyA.at(row - 1);
        for (const MultiRowCell &cell : m_design.row(MultiRowView::GapPanel, row))
            m_texts.insert(cell.name, entry.mid(entry.size() - cell.column, 1));
    }
    // Then the gaps open: each one's digit goes into key list B.
    for (const QString &gap : m_design.gapOrder()) {
        m_keyB.append(m_texts.value(gap));
        m_texts.insert(gap, QString());
    }
    emit changed();
}

QString MultiRowTrainerModel::expectedDigit(const QString &field) const
{
    const MultiRowCell *cell = m_design.cell(field);
    if (!cell)
        return {};
    switch (cell->role) {
    case CellRole::Answer:
    case CellRole::Zero: {
        const QString entry = m_keyA.value(cell->row - 1);
        return cell->column <= entry.size() ? entry.mid(entry.size() - cell->column, 1) : QString();
    }
    case CellRole::Gap:
        return m_keyB.value(int(m_design.gapOrder().indexOf(field)));
    case CellRole::TaskDigit:
    case CellRole::Given:
        break;
    }
    return {};
}

bool MultiRowTrainerModel::takesDrops(const QString &field) const
{
    const MultiRowCell *cell = m_design.cell(field);
    if (!cell)
        return false;
    if (cell->view == MultiRowView::GapPanel)
        return cell->role == CellRole::Gap;
    return cell->role == CellRole::Answer || cell->role == CellRole::Zero;
}

void MultiRowTrainerModel::dropDigit(const QString &field, const QString &digit)
{
    // A field takes only a digit tile, and only while its view is in sight.
    const MultiRowCell *cell = m_design.cell(field);
    if (!cell || !takesDrops(field) || !isVisible(field) || !isDigitText(digit)
        || (cell->view == MultiRowView::GapPanel) != m_gapMode)
        return;

    judgeDrop([this, field](const QString &shown) { m_texts.insert(field, shown); }, digit,
              expectedDigit(field));
    if (cell->view == MultiRowView::GapPanel)
        checkGapTask();
    else
        checkNormalTask();
}

QString MultiRowTrainerModel::enteredRow(int row) const
{
    QString entered;
    for (const MultiRowCell &cell : m_design.row(MultiRowView::Normal, row))
        entered += cell.role == CellRole::Zero && m_staircase ? zero : text(cell.name);
    return entered;
}

void MultiRowTrainerModel::checkNormalTask()
{
    QString entered;
    for (int row = 1; row <= m_design.sumRow(); ++row)
        entered += enteredRow(row);
    if (m_keyA.isEmpty() || entered != m_keyA.join(QString()))
        return;
    finishNormalTask();
}

void MultiRowTrainerModel::checkGapTask()
{
    QString entered;
    for (const QString &gap : m_design.gapOrder())
        entered += text(gap);
    if (m_keyB.isEmpty() || entered != m_keyB.join(QString()))
        return;
    finishGapTask();
}

void MultiRowTrainerModel::chooseNormal()
{
    m_gapMode = false;
    clearNormalTask();
    newNormalTask();
}

void MultiRowTrainerModel::chooseGaps()
{
    m_gapMode = true;
    newGapTask();
}

void MultiRowTrainerModel::toggleRowLayout()
{
    m_staircase = !m_staircase;
    emit changed();
}
