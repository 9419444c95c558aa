// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The two calculation views of a multi-row trainer: the normal task and the
// gap panel laid over it.
enum class MultiRowView { Normal, GapPanel };

// What a cell of the calculation holds.
enum class CellRole {
    TaskDigit, // a digit of the task row
    Answer,    // a digit the pupil drops (normal view)
    Zero,      // the zero a shifted partial product carries; follows the row layout
    Given,     // a digit the gap panel shows
    Gap,       // a digit missing in the gap panel
};

struct MultiRowCell {
    QString name;
    MultiRowView view = MultiRowView::Normal;
    int row = 0;    // 0 the task row, 1..n the partial products (highest place first), n + 1 the sum
    int column = 0; // counted from the right: column 1 holds the ones of the product
    CellRole role = CellRole::Given;
};

// Where every cell of a two- or three-row trainer stands and which digits its
// gap tasks leave out. The two trainers differ only in this data.
class MultiRowDesign {
public:
    static const MultiRowDesign &twoRows();
    static const MultiRowDesign &threeRows();

    int multiplierDigits() const { return m_multiplierDigits; }
    int columns() const { return m_multiplierDigits + 5; }
    int sumRow() const { return m_multiplierDigits + 1; }
    int dotColumn() const { return m_multiplierDigits + 1; }
    const QList<MultiRowCell> &cells() const { return m_cells; }
    // The cells of one row of a view, from the left (highest column) to the right.
    QList<MultiRowCell> row(MultiRowView view, int row) const;
    // Null when the design has no cell of that name.
    const MultiRowCell *cell(const QString &name) const;
    // The gaps in the order of key list B.
    const QStringList &gapOrder() const { return m_gapOrder; }

private:
    struct Names {
        QStringList task;            // multiplicand digits, then multiplier digits
        QList<QStringList> products; // partial products, then the sum; each from the left
    };
    MultiRowDesign(int multiplierDigits, const Names &normal, const Names &gapPanel,
                   const QStringList &gapOrder);
    void addView(MultiRowView view, const Names &names);

    int m_multiplierDigits = 0;
    QList<MultiRowCell> m_cells;
    QStringList m_gapOrder;
};
