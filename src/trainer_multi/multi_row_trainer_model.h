// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/trainer_model.h"
#include "trainer_multi/multi_row_design.h"
#include "trainer_multi/multi_row_task.h"

#include <QString>

// A two- or three-row trainer: its draws and the row layout ("Treppe" /
// "Bündig") on the shared trainer model.
class MultiRowTrainerModel : public TrainerModel {
    Q_OBJECT
public:
    MultiRowTrainerModel(const MultiRowDesign &design, Platform &platform, RandomSource &random,
                         QObject *parent = nullptr);

    // Commands.
    void chooseNormal();    // "Normal"
    void chooseGaps();      // "Lücke"
    void toggleRowLayout(); // "Treppe" / "Bündig"

    const MultiRowDesign &rowDesign() const { return m_rowDesign; }
    bool staircase() const { return m_staircase; }
    // The layout command offers the other layout.
    QString layoutCaption() const;

    CalculationStep stepOf(int cell) const override;
    WrittenMultiplication written() const override { return m_task.written(); }

protected:
    void drawTask() override;
    int solutionDigit(int row, int column) const override { return m_task.digit(row, column); }
    void taskDrawn(TrainerView) override {}
    QList<int> gapsToOpen() override { return m_rowDesign.gaps(); }

private:
    const MultiRowDesign &m_rowDesign;
    MultiRowTask m_task;
    bool m_staircase = false;
};
