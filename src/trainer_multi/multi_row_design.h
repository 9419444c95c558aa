// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/trainer_design.h"

#include <QList>
#include <QStringList>

// Where every cell of a two- or three-row trainer stands and which digits its
// gap tasks leave out. The two trainers differ only in this data.
class MultiRowDesign {
public:
    static const MultiRowDesign &twoRows();
    static const MultiRowDesign &threeRows();

    int multiplierDigits() const { return m_multiplierDigits; }
    const TrainerDesign &cells() const { return m_cells; }
    // The cells a gap task leaves empty, in writing order.
    const QList<int> &gaps() const { return m_gaps; }

private:
    struct Names {
        QStringList task;            // multiplicand digits, then multiplier digits
        QList<QStringList> products; // partial products, then the sum; each from the left
        QString dot;
        QString rules[2];            // under the task, above the sum
    };
    // `gaps` are places (row, column) of the gap panel.
    MultiRowDesign(int multiplierDigits, const Names &normal, const Names &gapPanel,
                   const QList<CellPlace> &gaps);
    static QList<TrainerCell> view(int multiplierDigits, TrainerView view, const Names &names,
                                   const QList<CellPlace> &gaps);
    static QStringList rowTitles(int multiplierDigits);
    // Each partial product from the right, top down, then the sum; of the gap panel only the gaps.
    static QList<CellPlace> writingOrder(const QList<TrainerCell> &cells);

    int m_multiplierDigits = 0;
    TrainerDesign m_cells;
    QList<int> m_gaps;
};
