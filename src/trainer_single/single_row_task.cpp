// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_single/single_row_task.h"

#include "shell/random_source.h"

namespace {
constexpr int multiplicandOnesColumn = 5;
constexpr int multiplierColumn = 3;
} // namespace

SingleRowTask SingleRowTask::draw(RandomSource &random)
{
    SingleRowTask task;
    task.d1 = random.draw(1, 9);
    task.d2 = random.draw(0, 9);
    task.d3 = random.draw(0, 9);
    task.d4 = random.draw(1, 9);
    task.m = random.draw(2, 9);
    return task;
}

WrittenMultiplication SingleRowTask::written(int zeros) const
{
    return WrittenMultiplication({d1, d2, d3, d4}, QList<int>{m} + QList<int>(zeros, 0));
}

// The result row is always laid out for a hundreds number; the kind hides the zeros it does not have.
int SingleRowTask::digit(int row, int column) const
{
    const WrittenMultiplication calculation = written();
    switch (row) {
    case TaskRow:
        if (column >= multiplicandOnesColumn && column <= columns)
            return calculation.multiplicandDigit(column - multiplicandOnesColumn);
        if (column == multiplierColumn)
            return m;
        return column >= 1 && column < multiplierColumn ? 0 : -1;
    case CarryRow:
        // Each carry stands under the multiplicand digit it is added to.
        if (column <= multiplicandOnesColumn || column > columns)
            return -1;
        return calculation.carryInto(0, column - multiplicandOnesColumn);
    case ResultRow:
        return column >= 1 && column < columns ? calculation.productDigit(column) : -1;
    default:
        return -1;
    }
}
