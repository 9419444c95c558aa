// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A cell of a calculation showing one digit. The digit stands in the middle of
// its box by its own height, not by the font's line, which reaches far below a
// digit: so a large digit never touches the cell's lower border.
class CellLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};
