// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_single/single_row_task.h"

#include "shell/random_source.h"

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

SingleRowAnswerKey SingleRowAnswerKey::forTask(const SingleRowTask &task)
{
    const long long p = task.product();
    SingleRowAnswerKey key;
    key.listA = {sevenColumns(task.multiplicand()), sevenColumns(task.m), sevenColumns(100 * p)};
    key.listB = {sevenColumns(p), sevenColumns(10 * p), sevenColumns(100 * p)};
    return key;
}

QString SingleRowAnswerKey::character(const QString &entry, int position)
{
    return entry.mid(position - 1, 1);
}

QString sevenColumns(long long value)
{
    return (QStringLiteral("       ") + QString::number(value)).right(7);
}

QString carryText(int columnSum)
{
    return columnSum < 10 ? QStringLiteral("0") : QString::number(columnSum / 10 % 10);
}
