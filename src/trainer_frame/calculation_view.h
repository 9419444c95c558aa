// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/frame_geometry.h"

#include <QFrame>
#include <QList>

class DigitField;
class TrainerModel;

// A trainer's calculation as the pupil sees it: the task area with the cells
// of the normal task, and the gap panel that covers it in gap mode, both laid
// out on one grid from the trainer's design: digits in their cell styles, the
// rules and the dot. What is covered is hidden, so a screen reader meets only
// the task in sight. Every cell is named for a screen reader; the view
// mirrors the model (and the digits its help lights) and reports what the
// pupil puts into a field.
class CalculationView : public QFrame {
    Q_OBJECT
public:
    // `area` in twips in the window; the grid from the area's corner.
    CalculationView(const TrainerModel &model, const QString &objectName, const QRect &area,
                    const FrameGeometry::Grid &grid, QWidget *parent);

    // The field of a cell that takes digits, null for any other cell.
    DigitField *field(int cell) const;
    // The cell a widget is, -1 for any other widget.
    int cellOf(const QWidget *widget) const;

    void mirror();

signals:
    void digitDropped(int cell, int digit);
    void digitTyped(int cell, int digit);
    void fieldTapped(int cell);

private:
    QRect cellBox(int cell) const; // twips, from the area's corner
    QWidget *makeCell(int cell, QWidget *parent);
    QWidget *makeRule(int cell, QWidget *parent);

    const TrainerModel &m_model;
    FrameGeometry::Grid m_grid;
    QWidget *m_gapPanel = nullptr;
    QList<QWidget *> m_cells; // by the design's cell index
    QList<bool> m_styledAsGap;
    QList<bool> m_styledLit;
};
