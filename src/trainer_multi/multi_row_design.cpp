// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_multi/multi_row_design.h"

namespace {
QStringList names(const char *prefix, std::initializer_list<int> numbers)
{
    QStringList list;
    for (int n : numbers)
        list.append(QString::fromLatin1(prefix) + QString::number(n));
    return list;
}

QStringList labels(std::initializer_list<int> numbers)
{
    return names("Bezeichnung", numbers);
}

QStringList gaps(std::initializer_list<int> numbers)
{
    return names("luecke", numbers);
}
} // namespace

MultiRowDesign::MultiRowDesign(int multiplierDigits, const Names &normal, const Names &gapPanel,
                               const QStringList &gapOrder)
    : m_multiplierDigits(multiplierDigits)
    , m_gapOrder(gapOrder)
{
    addView(MultiRowView::Normal, normal);
    addView(MultiRowView::GapPanel, gapPanel);
}

void MultiRowDesign::addView(MultiRowView view, const Names &names)
{
    const bool normal = view == MultiRowView::Normal;
    // The multiplicand stands left of the dot, the multiplier right of it.
    for (int i = 0; i < names.task.size(); ++i) {
        const int column = i < 4 ? columns() - i : columns() - i - 1;
        m_cells.append({names.task.at(i), view, 0, column,
                        normal ? CellRole::TaskDigit : CellRole::Given});
    }
    // Each row is its number written right-aligned, one digit per column; a
    // partial product carries one zero per place its multiplier digit stands left.
    for (int r = 0; r < names.products.size(); ++r) {
        const int row = r + 1;
        const int zeros = row <= m_multiplierDigits ? m_multiplierDigits - row : 0;
        const QStringList &rowNames = names.products.at(r);
        for (int i = 0; i < rowNames.size(); ++i) {
            const int column = int(rowNames.size()) - i;
            CellRole role = normal ? CellRole::Answer : CellRole::Given;
            if (column <= zeros)
                role = CellRole::Zero;
            else if (m_gapOrder.contains(rowNames.at(i)) && !normal)
                role = CellRole::Gap;
            m_cells.append({rowNames.at(i), view, row, column, role});
        }
    }
}

const MultiRowDesign &MultiRowDesign::twoRows()
{
    static const MultiRowDesign design(
        2,
        {labels({1, 2, 3, 4, 5, 6}),
         {labels({17, 18, 19, 20, 21, 9}), labels({11, 12, 13, 14, 26}),
          labels({28, 30, 31, 32, 33, 34})}},
        {gaps({1, 2, 3, 4, 5, 6}),
         {gaps({12, 11, 10, 9, 8, 7}), gaps({17, 16, 15, 14, 13}), gaps({23, 22, 21, 20, 19, 18})}},
        gaps({9, 11, 14, 16, 18, 20, 22}));
    return design;
}

const MultiRowDesign &MultiRowDesign::threeRows()
{
    static const MultiRowDesign design(
        3,
        {labels({1, 2, 3, 4, 5, 6, 10}),
         {labels({17, 18, 19, 20, 21, 9, 27}), labels({11, 12, 13, 14, 26, 35}),
          labels({41, 40, 39, 38, 37}), labels({28, 30, 31, 32, 33, 34, 36})}},
        {gaps({1, 2, 3, 4, 5, 6, 24}),
         {gaps({12, 11, 10, 9, 8, 7, 25}), gaps({17, 16, 15, 14, 13, 26}),
          gaps({32, 31, 30, 29, 28}), gaps({23, 22, 21, 20, 19, 18, 27})}},
        gaps({9, 11, 14, 16, 28, 29, 18, 20, 22}));
    return design;
}

QList<MultiRowCell> MultiRowDesign::row(MultiRowView view, int row) const
{
    QList<MultiRowCell> result;
    for (const MultiRowCell &cell : m_cells)
        if (cell.view == view && cell.row == row)
            result.append(cell);
    return result;
}

const MultiRowCell *MultiRowDesign::cell(const QString &name) const
{
    for (const MultiRowCell &cell : m_cells)
        if (cell.name == name)
            return &cell;
    return nullptr;
}
