// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/trainer_model.h"
#include "trainer_single/single_row_task.h"

#include <QString>

// A ones, tens or hundreds number as multiplier ("mal E", "mal Z", "mal H").
enum class MultiplierKind { Ones, Tens, Hundreds };

// The one-row trainer: its cells, draws and kinds on the shared trainer model.
class SingleRowTrainerModel : public TrainerModel {
    Q_OBJECT
public:
    SingleRowTrainerModel(Platform &platform, RandomSource &random, QObject *parent = nullptr);

    static const TrainerDesign &layout();

    // Commands.
    void chooseKind(MultiplierKind kind); // "mal E", "mal Z", "mal H"
    void chooseGaps();                    // "Lücke"

    QString caption() const;
    // The kind chosen last; gap tasks are of it too.
    MultiplierKind kind() const { return m_kind; }
    // A carry expects what the column gives with the carry the pupil wrote beside it.
    CellDigit expectedDigit(int cell) const override;
    CalculationStep stepOf(int cell) const override;
    // The task with the kind's zeros: 1234 · 30 for "mal Z".
    WrittenMultiplication written() const override { return m_task.written(zeroCount()); }

protected:
    void drawTask() override;
    int solutionDigit(int row, int column) const override { return m_task.digit(row, column); }
    void taskDrawn(TrainerView view) override;
    QList<int> gapsToOpen() override;
    int placeOf(int cell) const override;

private:
    int zeroCount() const; // the kind's zeros: 0, 1 or 2

    SingleRowTask m_task;
    MultiplierKind m_kind = MultiplierKind::Ones;
};
