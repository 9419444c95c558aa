// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_multi/multi_row_task.h"

#include "shell/random_source.h"

WrittenMultiplication MultiRowTask::written() const
{
    const auto &d = multiplicandDigits;
    return WrittenMultiplication({d[0], d[1], d[2], d[3]}, multiplierDigits);
}

int MultiRowTask::multiplicand() const
{
    return int(written().multiplicand());
}

int MultiRowTask::multiplier() const
{
    return int(written().multiplier());
}

qint64 MultiRowTask::partialProduct(int index) const
{
    return written().partialProduct(index);
}

int MultiRowTask::digit(int row, int column) const
{
    const WrittenMultiplication calculation = written();
    const int rows = int(multiplierDigits.size());
    if (row == 0) {
        const int dotColumn = rows + 1;
        if (column > dotColumn && column <= dotColumn + 4)
            return calculation.multiplicandDigit(column - dotColumn - 1);
        return column >= 1 && column < dotColumn ? calculation.multiplierDigit(column - 1) : -1;
    }
    if (row <= rows)
        return calculation.partialProductDigit(row - 1, column);
    return row == rows + 1 ? calculation.productDigit(column) : -1;
}

MultiRowTask MultiRowTask::draw(int multiplierDigitCount, RandomSource &random)
{
    MultiRowTask task;
    task.multiplicandDigits = {random.draw(5, 9), random.draw(0, 9), random.draw(0, 9),
                               random.draw(1, 4)};
    task.multiplierDigits.clear();
    for (int i = 0; i < multiplierDigitCount; ++i)
        task.multiplierDigits.append(random.draw(2, 9));
    return task;
}
