// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/triangle_button.h"

#include "shell/look.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace {
// Share of the button's shorter side that the triangle spans.
constexpr qreal triangleShare = 0.5;
} // namespace

TriangleButton::TriangleButton(Direction direction, QWidget *parent)
    : QPushButton(parent)
    , m_direction(direction)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TriangleButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);

    const qreal side = std::min(width(), height()) * triangleShare;
    const QPointF centre = QRectF(rect()).center();
    const qreal h = side / 2;
    QPolygonF triangle;
    switch (m_direction) {
    case Direction::Left:
        triangle << QPointF(-h, 0) << QPointF(h, -h) << QPointF(h, h);
        break;
    case Direction::Up:
        triangle << QPointF(0, -h) << QPointF(h, h) << QPointF(-h, h);
        break;
    case Direction::Down:
        triangle << QPointF(0, h) << QPointF(-h, -h) << QPointF(h, -h);
        break;
    case Direction::Right:
        triangle << QPointF(h, 0) << QPointF(-h, h) << QPointF(-h, -h);
        break;
    }
    triangle.translate(centre);
    if (isDown())
        triangle.translate(1, 1);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isEnabled() ? Look::ink : Look::disabledInk);
    painter.drawPolygon(triangle);
}
