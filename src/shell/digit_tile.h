// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QPushButton>

// One of the tiles "0" to "9" along the lower edge of a trainer. A tile does
// nothing on a click; dragging it carries its digit to an answer field.
class DigitTile : public QPushButton {
    Q_OBJECT
public:
    DigitTile(int digit, QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint m_pressPosition;
    bool m_pressed = false;
};
