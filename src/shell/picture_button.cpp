// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/picture_button.h"

#include "shell/look.h"

#include <QPainter>

#include <algorithm>

PictureButton::PictureButton(Pictures::Drawing picture, const QString &accessibleName, QWidget *parent)
    : QAbstractButton(parent)
    , m_drawing(std::move(picture))
{
    setAccessibleName(accessibleName);
    setToolTip(accessibleName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    // The picture is a square as large as the button's shorter side, in its middle.
    const int side = std::min(width(), height());
    const qreal ratio = devicePixelRatioF();
    if (m_picture.deviceIndependentSize() != QSizeF(side, side) || m_picture.devicePixelRatio() != ratio)
        m_picture = m_drawing(QSize(side, side), ratio);
    QPainter painter(this);
    QRect target(0, 0, side, side);
    target.moveCenter(rect().center());
    if (isDown())
        target.translate(1, 1);
    painter.drawPixmap(target, m_picture);
    if (hasFocus())
        Look::paintFocusFrame(painter, rect());
}
