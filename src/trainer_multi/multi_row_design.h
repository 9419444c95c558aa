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
    // The gaps, in the order of key list B.
    const QList<int> &gapOrder() const { return m_gapOrder; }

private:
    struct Names {
        QStringList task;            // multiplicand digits, then multiplier digits
        QList<QStringList> products; // partial products, then the sum; each from the left
        QString dot;
        QString rules[2];            // under the task, above the sum
    };
    MultiRowDesign(int multiplierDigits, const Names &normal, const Names &gapPanel,
                   const QStringList &gapOrder);
    static QList<TrainerCell> view(int multiplierDigits, TrainerView view, const Names &names,
                                   const QStringList &gaps);

    int m_multiplierDigits = 0;
    TrainerDesign m_cells;
    QList<int> m_gapOrder;
};
