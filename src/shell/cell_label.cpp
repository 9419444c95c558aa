// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/cell_label.h"

#include <QFontMetricsF>
#include <QPainter>

void CellLabel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event); // the border; the background is filled before
    if (text().isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QFontMetricsF metrics(font(), this);
    // Every digit is as tall as a zero: all of them share one baseline.
    const QRectF digitBox = metrics.tightBoundingRect(QStringLiteral("0"));
    const QRectF box = contentsRect();
    const qreal baseline = box.center().y() + digitBox.height() / 2;
    const qreal left = box.center().x() - metrics.horizontalAdvance(text()) / 2;
    painter.drawText(QPointF(left, baseline), text());
}
