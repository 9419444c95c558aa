// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/karoblatt_layout.h"

#include <algorithm>

namespace {
using Line = WrittenPlace::Line;

// Columns of a calculation count from the right, those of the block from the left.
class BlockWriter {
public:
    BlockWriter(const SheetTask &task, TaskBlock &block)
        : m_task(task)
        , m_block(block)
    {
    }

    void digit(int row, int column, int value, const WrittenPlace &place)
    {
        put(row, column, BoxKind::Digit, roleOf(place), QString::number(value));
    }
    void given(int row, int column, const QString &text) { put(row, column, BoxKind::Digit, BoxRole::Given, text); }
    // A finished gap task shows its carries; a task to work out asks for them.
    void carry(int row, int column, int value)
    {
        put(row, column, BoxKind::Carry, m_task.gaps.isEmpty() ? BoxRole::Answer : BoxRole::Given,
            QString::number(value));
    }
    void rule(int row) { m_block.rules.append({row, 0, m_block.width}); }

private:
    BoxRole roleOf(const WrittenPlace &place) const
    {
        if (m_task.gaps.contains(place))
            return BoxRole::Gap;
        return place.line == Line::Multiplicand || !m_task.gaps.isEmpty() ? BoxRole::Given : BoxRole::Answer;
    }
    void put(int row, int column, BoxKind kind, BoxRole role, const QString &text)
    {
        m_block.boxes.append({row, m_block.width - column, 1, 1, kind, role, text});
    }

    const SheetTask &m_task;
    TaskBlock &m_block;
};

void addHead(SheetPage &page, const QString &title, int number, int pages)
{
    page.boxes.append({0, 0, 20, 2, BoxKind::Heading, BoxRole::Given, title});
    page.boxes.append({0, 20, 8, 2, BoxKind::Heading, BoxRole::Answer, QStringLiteral("Lösungen")});
    if (pages > 1)
        page.boxes.append({0, 29, 7, 2, BoxKind::Label, BoxRole::Given,
                           QStringLiteral("Seite %1 von %2").arg(number).arg(pages)});
    page.boxes.append({3, 0, 3, 1, BoxKind::Label, BoxRole::Given, QStringLiteral("Name:")});
    page.rules.append({3, 3, 17});
    page.boxes.append({3, 22, 3, 1, BoxKind::Label, BoxRole::Given, QStringLiteral("Datum:")});
    page.rules.append({3, 25, KaroblattLayout::gridColumns - 25});
}
} // namespace

TaskBlock KaroblattLayout::taskBlock(const SheetTask &task, bool staircase)
{
    const WrittenMultiplication &calculation = task.calculation;
    const int factorDigits = int(calculation.multiplicandDigits().size());
    const int multiplierDigits = int(calculation.multiplierDigits().size());
    TaskBlock block;
    block.width = factorDigits + 1 + multiplierDigits;
    BlockWriter write(task, block);

    const int factorOnes = multiplierDigits + 2;
    for (int place = 0; place < factorDigits; ++place)
        write.digit(0, factorOnes + place, calculation.multiplicandDigit(place),
                    {Line::Multiplicand, 0, place + 1});
    write.given(0, multiplierDigits + 1, sign);
    for (int place = 0; place < multiplierDigits; ++place)
        write.given(0, place + 1, QString::number(calculation.multiplierDigit(place)));

    int row = 1;
    if (calculation.hasSum()) {
        write.rule(0);
        for (int r = 0; r < calculation.productRows(); ++r, ++row) {
            const int from = staircase ? calculation.rowPlace(r) + 1 : 1;
            for (int column = from; calculation.partialProductDigit(r, column) >= 0; ++column)
                write.digit(row, column, calculation.partialProductDigit(r, column),
                            {Line::PartialProduct, r, column});
        }
        for (int column = 2; column <= calculation.productColumns(); ++column)
            write.carry(row, column, calculation.sumCarryInto(column));
    } else {
        for (int place = 1; place < factorDigits; ++place)
            write.carry(row, factorOnes + place, calculation.carryInto(0, place));
    }
    write.rule(row);
    ++row;
    for (int column = 1; column <= calculation.productColumns(); ++column)
        write.digit(row, column, calculation.productDigit(column), {Line::Product, 0, column});
    block.height = row + 1;
    return block;
}

QList<SheetPage> KaroblattLayout::pages(const QString &title, const QList<SheetTask> &tasks, bool staircase)
{
    QList<TaskBlock> blocks;
    int width = 1;
    int height = 1;
    for (const SheetTask &task : tasks) {
        blocks.append(taskBlock(task, staircase));
        width = std::max(width, blocks.last().width);
        height = std::max(height, blocks.last().height);
    }
    // The tasks of a band stand at even distances across the page.
    const int slot = numberColumns + width + 1;
    const int perBand = std::max(1, (gridColumns + 1) / slot);
    const int pitch = gridColumns / perBand;
    const int bandHeight = height + workRows;
    const int perPage = perBand * std::max(1, (gridRows - headRows) / bandHeight);
    const int pageCount = std::max(1, int(blocks.size() + perPage - 1) / perPage);

    QList<SheetPage> sheet(pageCount);
    for (int p = 0; p < pageCount; ++p)
        addHead(sheet[p], title, p + 1, pageCount);
    for (int i = 0; i < blocks.size(); ++i) {
        SheetPage &page = sheet[i / perPage];
        const int top = headRows + (i % perPage) / perBand * bandHeight;
        const int left = (i % perBand) * pitch;
        page.boxes.append({top, left, numberColumns, 1, BoxKind::Number, BoxRole::Given,
                           QStringLiteral("%1)").arg(i + 1)});
        for (SheetBox box : std::as_const(blocks.at(i).boxes)) {
            box.row += top;
            box.column += left + numberColumns;
            page.boxes.append(box);
        }
        for (SheetRule rule : std::as_const(blocks.at(i).rules)) {
            rule.row += top;
            rule.column += left + numberColumns;
            page.rules.append(rule);
        }
    }
    return sheet;
}
