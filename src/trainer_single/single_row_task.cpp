// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_single/single_row_task.h"

#include "shell/random_source.h"
#include "trainer_frame/trainer_design.h"

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

int SingleRowTask::digit(int row, int column) const
{
    switch (row) {
    case TaskRow:
        if (column >= multiplicandOnesColumn && column <= columns)
            return digitInColumn(multiplicand(), column - multiplicandOnesColumn + 1);
        if (column == multiplierColumn)
            return m;
        return column >= 1 && column < multiplierColumn ? 0 : -1;
    case CarryRow: {
        // Each carry stands under the multiplicand digit it is added to.
        if (column <= multiplicandOnesColumn || column > columns)
            return -1;
        int carry = 0;
        for (int c = multiplicandOnesColumn; c < column; ++c)
            carry = carryOf(digit(TaskRow, c) * m + carry);
        return carry;
    }
    case ResultRow:
        return column >= 1 && column < columns ? digitInColumn(100LL * product(), column) : -1;
    default:
        return -1;
    }
}
