// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/worksheet_builder.h"

#include "shell/platform.h"
#include "shell/random_source.h"
#include "worksheet/worksheet_layout.h"

namespace {

struct DrawnTask {
    int multiplicand = 0;
    QList<int> digits; // multiplier digits, highest place first
};

int powerOfTen(int exponent)
{
    int value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= 10;
    return value;
}

DrawnTask drawTask(const BlockGroup &group, RandomSource &random)
{
    DrawnTask task;
    task.multiplicand = random.draw(group.multiplicandFrom, group.multiplicandTo);
    for (int i = 0; i < group.multiplierDigits; ++i)
        task.digits.append(random.draw(BlockGroup::digitFrom, BlockGroup::digitTo));
    return task;
}

int multiplier(const DrawnTask &task, const BlockGroup &group)
{
    int value = 0;
    for (int digit : task.digits)
        value = value * 10 + digit;
    return value * group.multiplierScale;
}

QString numberCell(int number, int width)
{
    return QString::number(number).rightJustified(width, QLatin1Char(' '));
}

QString cell(const RowSpec &spec, const DrawnTask &task, const BlockGroup &group, bool staircase)
{
    switch (spec.kind) {
    case RowKind::Blank:
        return {};
    case RowKind::Task:
        return (QString::number(task.multiplicand) + QLatin1Char('*')
                + QString::number(multiplier(task, group)))
            .rightJustified(group.cellWidth, QLatin1Char(' '));
    case RowKind::Ruler:
        return group.rulerCell();
    case RowKind::Result:
        return numberCell(task.multiplicand * multiplier(task, group), group.cellWidth);
    case RowKind::PartialProduct: {
        const int index = int(task.digits.size()) - 1 - spec.place;
        QString text = numberCell(task.multiplicand * task.digits.at(index) * powerOfTen(spec.place),
                                  group.cellWidth);
        // The staircase shows a shifted product without the zeros it carries at the end.
        if (staircase)
            text.replace(text.size() - spec.place, spec.place, QString(spec.place, QLatin1Char(' ')));
        return text;
    }
    }
    return {};
}

QStringList buildBlock(const BlockGroup &group, bool staircase, RandomSource &random, Platform &clock)
{
    QStringList rows(group.rows.size());
    random.reseed(clock.secondsSinceMidnight());
    for (int taskIndex = 0; taskIndex < group.tasksPerRow; ++taskIndex) {
        const DrawnTask task = drawTask(group, random);
        for (int row = 0; row < group.rows.size(); ++row) {
            if (group.rows.at(row).kind != RowKind::Blank)
                rows[row] += cell(group.rows.at(row), task, group, staircase) + group.separator();
        }
    }
    for (int row = 0; row < group.rows.size(); ++row) {
        if (group.rows.at(row).kind == RowKind::Blank)
            rows[row] = blankWorksheetRow;
    }
    return rows;
}

} // namespace

QStringList WorksheetBuilder::buildWorksheet(SheetKind kind, bool staircase, RandomSource &random,
                                             Platform &clock)
{
    const WorksheetLayout &layout = WorksheetLayout::of(kind);
    QStringList sheet;
    for (const BlockGroup &group : layout.groups) {
        for (int i = 0; i < group.blankRowsBefore; ++i)
            sheet.append(blankWorksheetRow);
        for (int block = 0; block < group.blocks; ++block)
            sheet.append(buildBlock(group, staircase, random, clock));
    }
    return sheet;
}
