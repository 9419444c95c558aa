// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/trainer_window.h"
#include "trainer_multi/multi_row_trainer_model.h"

#include <QHash>

class QLabel;
class QPushButton;

// The two-row (Form2) and three-row (Form3) trainer windows: one design, laid
// out from the trainer's cell data in the shared trainer frame.
class MultiRowTrainerWindow : public TrainerWindow {
    Q_OBJECT
public:
    MultiRowTrainerWindow(const MultiRowDesign &design, Platform &platform, RandomSource &random,
                          PrinterLock &printerLock);

    MultiRowTrainerModel &model() { return m_model; }

private:
    struct Geometry;
    static Geometry geometryFor(const MultiRowDesign &design);
    static TrainerFrameSpec frameSpec(const MultiRowDesign &design);
    // Lays one view of the calculation into `parent`, whose top-left corner is the task area's.
    void buildView(QWidget *parent, MultiRowView view, const Geometry &geometry, QPoint origin);
    void mirrorModel();

    MultiRowTrainerModel m_model;
    QHash<QString, QLabel *> m_cells;
    QWidget *m_gapPanel = nullptr;
    QPushButton *m_layoutButton = nullptr;
    int m_taskAreaTop = 0;
};
