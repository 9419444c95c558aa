// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/reward_shape.h"

#include <QPainter>

RewardShape::RewardShape(Fill fill, const QColor &fillColour, const QColor &borderColour,
                         QWidget *parent)
    : QWidget(parent)
    , m_fill(fill)
    , m_fillColour(fillColour)
    , m_borderColour(borderColour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void RewardShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_fill == Fill::Solid)
        painter.fillRect(rect(), m_fillColour);
    painter.setPen(m_borderColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
