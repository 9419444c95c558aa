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
    , m_cells(multiplierDigits + 5, multiplierDigits + 2,
              view(multiplierDigits, TrainerView::Normal, normal, gapOrder)
                  + view(multiplierDigits, TrainerView::GapPanel, gapPanel, gapOrder))
{
    for (const QString &gap : gapOrder)
        m_gapOrder.append(m_cells.indexOf(gap));
}

QList<TrainerCell> MultiRowDesign::view(int multiplierDigits, TrainerView view, const Names &names,
                                        const QStringList &gaps)
{
    const bool normal = view == TrainerView::Normal;
    const int columns = multiplierDigits + 5;
    const int sumRow = multiplierDigits + 1;
    QList<TrainerCell> cells;
    // The multiplicand stands left of the dot, the multiplier right of it.
    for (int i = 0; i < names.task.size(); ++i) {
        const int column = i < 4 ? columns - i : columns - i - 1;
        cells.append({names.task.at(i), view, 0, column, normal ? CellRole::TaskDigit : CellRole::Given});
    }
    cells.append({names.dot, view, 0, multiplierDigits + 1, CellRole::Dot});
    cells.append({names.rules[0], view, 0, 1, CellRole::Rule, columns});
    cells.append({names.rules[1], view, multiplierDigits, 1, CellRole::Rule, columns});
    // Each row is its number written right-aligned, one digit per column; a
    // partial product carries one zero per place its multiplier digit stands left.
    for (int r = 0; r < names.products.size(); ++r) {
        const int row = r + 1;
        const int zeros = row < sumRow ? multiplierDigits - row : 0;
        const QStringList &rowNames = names.products.at(r);
        for (int i = 0; i < rowNames.size(); ++i) {
            const int column = int(rowNames.size()) - i;
            CellRole role = normal ? CellRole::Answer : CellRole::Given;
            if (column <= zeros)
                role = CellRole::PlaceZero;
            else if (!normal && gaps.contains(rowNames.at(i)))
                role = CellRole::Gap;
            cells.append({rowNames.at(i), view, row, column, role});
        }
    }
    return cells;
}

const MultiRowDesign &MultiRowDesign::twoRows()
{
    static const MultiRowDesign design(
        2,
        {labels({1, 2, 3, 4, 5, 6}),
         {labels({17, 18, 19, 20, 21, 9}), labels({11, 12, 13, 14, 26}),
          labels({28, 30, 31, 32, 33, 34})},
         QStringLiteral("Figur3"),
         {QStringLiteral("Linie1"), QStringLiteral("Linie6")}},
        {gaps({1, 2, 3, 4, 5, 6}),
         {gaps({12, 11, 10, 9, 8, 7}), gaps({17, 16, 15, 14, 13}), gaps({23, 22, 21, 20, 19, 18})},
         QStringLiteral("Figur5"),
         {QStringLiteral("Linie5"), QStringLiteral("Linie7")}},
        gaps({9, 11, 14, 16, 18, 20, 22}));
    return design;
}

const MultiRowDesign &MultiRowDesign::threeRows()
{
    static const MultiRowDesign design(
        3,
        {labels({1, 2, 3, 4, 5, 6, 10}),
         {labels({17, 18, 19, 20, 21, 9, 27}), labels({11, 12, 13, 14, 26, 35}),
          labels({41, 40, 39, 38, 37}), labels({28, 30, 31, 32, 33, 34, 36})},
         QStringLiteral("Figur3"),
         {QStringLiteral("Linie1"), QStringLiteral("Linie6")}},
        {gaps({1, 2, 3, 4, 5, 6, 24}),
         {gaps({12, 11, 10, 9, 8, 7, 25}), gaps({17, 16, 15, 14, 13, 26}),
          gaps({32, 31, 30, 29, 28}), gaps({23, 22, 21, 20, 19, 18, 27})},
         QStringLiteral("Figur5"),
         {QStringLiteral("Linie5"), QStringLiteral("Linie7")}},
        gaps({9, 11, 14, 16, 28, 29, 18, 20, 22}));
    return design;
}
