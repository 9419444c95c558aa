// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

// A push button showing a filled triangle that points in its direction of movement.
class TriangleButton : public QPushButton {
public:
    enum class Direction { Left, Up, Down, Right };

    TriangleButton(Direction direction, QWidget *parent);

    Direction direction() const { return m_direction; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Direction m_direction;
};
