// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QPushButton>

// One of the tiles "0" to "9" along the lower edge of a trainer. Dragging it
// carries its digit to an answer field; a click or tap (its `clicked`) lets
// the window pick it up, and a picked tile shows so until it is put down.
class DigitTile : public QPushButton {
    Q_OBJECT
public:
    DigitTile(int digit, QWidget *parent);

    int digit() const { return m_digit; }
    void setPicked(bool picked);
    bool isPicked() const { return m_picked; }

    static constexpr int pickedFrameWidth = 3;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_digit;
    QPoint m_pressPosition;
    bool m_pressed = false;
    bool m_picked = false;
};
