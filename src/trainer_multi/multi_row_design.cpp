// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_multi/multi_row_design.h"

#include <algorithm>
#include <tuple>

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

QStringList gapNames(std::initializer_list<int> numbers)
{
    return names("luecke", numbers);
}

QList<CellPlace> gapPlaces(std::initializer_list<std::pair<int, int>> places)
{
    QList<CellPlace> list;
    for (const auto &[row, column] : places)
        list.append({TrainerView::GapPanel, row, column});
    return list;
}
} // namespace

MultiRowDesign::MultiRowDesign(int multiplierDigits, const Names &normal, const Names &gapPanel,
                               const QList<CellPlace> &gaps)
    : m_multiplierDigits(multiplierDigits)
    , m_cells(multiplierDigits + 5, rowTitles(multiplierDigits),
              view(multiplierDigits, TrainerView::Normal, normal, gaps)
                  + view(multiplierDigits, TrainerView::GapPanel, gapPanel, gaps),
              writingOrder(view(multiplierDigits, TrainerView::Normal, normal, gaps)
                           + view(multiplierDigits, TrainerView::GapPanel, gapPanel, gaps)))
{
    for (int cell : m_cells.writingOrder())
        if (m_cells.cell(cell).view == TrainerView::GapPanel)
            m_gaps.append(cell);
}

QList<TrainerCell> MultiRowDesign::view(int multiplierDigits, TrainerView view, const Names &names,
                                        const QList<CellPlace> &gaps)
{
    const bool normal = view == TrainerView::Normal;
    const int columns = multiplierDigits + 5;
    const int sumRow = multiplierDigits + 1;
    QList<TrainerCell> cells;
    // The multiplicand stands left of the dot, the multiplier right of it.
    for (int i = 0; i < names.task.size(); ++i) {
        const int column = i < 4 ? columns - i : columns - i - 1;
        const int place = i < 4 ? 4 - i : column;
        cells.append({names.task.at(i), view, 0, column, normal ? CellRole::TaskDigit : CellRole::Given, place});
    }
    cells.append({names.dot, view, 0, multiplierDigits + 1, CellRole::Dot});
    cells.append({names.rules[0], view, 0, 1, CellRole::Rule, 0, columns});
    cells.append({names.rules[1], view, multiplierDigits, 1, CellRole::Rule, 0, columns});
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
            else if (!normal && gaps.contains(CellPlace{view, row, column}))
                role = CellRole::Gap;
            cells.append({rowNames.at(i), view, row, column, role, column});
        }
    }
    return cells;
}

QStringList MultiRowDesign::rowTitles(int multiplierDigits)
{
    QStringList titles;
    for (int row = 1; row <= multiplierDigits; ++row)
        titles.append(QStringLiteral("%1. Teilprodukt").arg(row));
    titles.append(QStringLiteral("Summe"));
    return titles;
}

QList<CellPlace> MultiRowDesign::writingOrder(const QList<TrainerCell> &cells)
{
    QList<CellPlace> order;
    for (const TrainerCell &cell : cells) {
        const bool written = cell.view == TrainerView::Normal
            ? cell.role == CellRole::Answer || cell.role == CellRole::PlaceZero
            : cell.role == CellRole::Gap;
        if (written)
            order.append(cell.where());
    }
    std::sort(order.begin(), order.end(), [](const CellPlace &a, const CellPlace &b) {
        return std::tuple(a.view, a.row, a.column) < std::tuple(b.view, b.row, b.column);
    });
    return order;
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
        {gapNames({1, 2, 3, 4, 5, 6}),
         {gapNames({12, 11, 10, 9, 8, 7}), gapNames({17, 16, 15, 14, 13}), gapNames({23, 22, 21, 20, 19, 18})},
         QStringLiteral("Figur5"),
         {QStringLiteral("Linie5"), QStringLiteral("Linie7")}},
        gapPlaces({{1, 3}, {1, 5}, {2, 2}, {2, 4}, {3, 1}, {3, 3}, {3, 5}}));
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
        {gapNames({1, 2, 3, 4, 5, 6, 24}),
         {gapNames({12, 11, 10, 9, 8, 7, 25}), gapNames({17, 16, 15, 14, 13, 26}),
          gapNames({32, 31, 30, 29, 28}), gapNames({23, 22, 21, 20, 19, 18, 27})},
         QStringLiteral("Figur5"),
         {QStringLiteral("Linie5"), QStringLiteral("Linie7")}},
        gapPlaces({{1, 4}, {1, 6}, {2, 3}, {2, 5}, {3, 1}, {3, 2}, {4, 2}, {4, 4}, {4, 6}}));
    return design;
}
