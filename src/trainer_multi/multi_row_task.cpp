// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_multi/multi_row_task.h"

#include "shell/random_source.h"
#include "trainer_frame/trainer_design.h"

int MultiRowTask::multiplicand() const
{
    const auto &d = multiplicandDigits;
    return 1000 * d[0] + 100 * d[1] + 10 * d[2] + d[3];
}

int MultiRowTask::multiplier() const
{
    int value = 0;
    for (int digit : multiplierDigits)
        value = 10 * value + digit;
    return value;
}

qint64 MultiRowTask::partialProduct(int index) const
{
    qint64 value = qint64(multiplicand()) * multiplierDigits.at(index);
    for (int place = int(multiplierDigits.size()) - 1; place > index; --place)
        value *= 10;
    return value;
}

int MultiRowTask::digit(int row, int column) const
{
    const int rows = int(multiplierDigits.size());
    if (row == 0) {
        const int dotColumn = rows + 1;
        if (column > dotColumn && column <= dotColumn + 4)
            return digitInColumn(multiplicand(), column - dotColumn);
        return column >= 1 && column < dotColumn ? multiplierDigits.at(rows - column) : -1;
    }
    if (row <= rows)
        return digitInColumn(partialProduct(row - 1), column);
    return row == rows + 1 ? digitInColumn(product(), column) : -1;
}

QStringList MultiRowTask::keyListA() const
{
    QStringList key;
    for (int i = 0; i < multiplierDigits.size(); ++i)
        key.append(QString::number(partialProduct(i)));
    key.append(QString::number(product()));
    return key;
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
