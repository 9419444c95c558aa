// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/pictures.h"

#include "shell/window_setup.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {
QPixmap blank(QSize size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Draws a label's picture again each time the label changes size.
class LabelPicture final : public QObject {
public:
    LabelPicture(QLabel *label, Pictures::Drawing drawing)
        : QObject(label)
        , m_label(label)
        , m_drawing(std::move(drawing))
    {
        label->installEventFilter(this);
        draw();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            draw();
        return false;
    }

private:
    void draw()
    {
        const QSize size = m_label->size();
        const qreal ratio = m_label->devicePixelRatioF();
        if (size == m_drawnSize && ratio == m_drawnRatio)
            return;
        m_drawnSize = size;
        m_drawnRatio = ratio;
        m_label->setPixmap(m_drawing(size, ratio));
    }

    QLabel *m_label;
    Pictures::Drawing m_drawing;
    QSize m_drawnSize;
    qreal m_drawnRatio = 0;
};
} // namespace

namespace Pictures {

QPixmap greenTile(TileSymbol symbol, QSize size, qreal ratio)
{
    QPixmap pixmap = blank(size, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(), size).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(0, 80, 0), 1));
    painter.setBrush(QColor(0, 150, 0));
    painter.drawRoundedRect(r, 4, 4);
    painter.setPen(QPen(Qt::white, r.width() / 8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::white);
    const QPointF c = r.center();
    const qreal a = r.width() * 0.22;
    switch (symbol) {
    case TileSymbol::Cross:
        painter.drawLine(QPointF(c.x() - a, c.y() - a), QPointF(c.x() + a, c.y() + a));
        painter.drawLine(QPointF(c.x() + a, c.y() - a), QPointF(c.x() - a, c.y() + a));
        break;
    case TileSymbol::Dot:
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(c, a * 0.8, a * 0.8);
        break;
    case TileSymbol::Info: {
        // Drawn, not written: the menu's first frame then needs no serif font.
        const qreal stem = r.width() * 0.15;
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(c.x(), r.top() + r.height() * 0.25), stem * 0.7, stem * 0.7);
        painter.drawRect(QRectF(c.x() - stem / 2, r.top() + r.height() * 0.40, stem, r.height() * 0.36));
        painter.drawRect(QRectF(c.x() - stem * 1.2, r.top() + r.height() * 0.40, stem * 1.2, stem * 0.5));
        painter.drawRect(QRectF(c.x() - stem * 1.3, r.top() + r.height() * 0.76 - stem * 0.5,
                                stem * 2.6, stem * 0.5));
        break;
    }
    }
    return pixmap;
}

QPixmap rocket(QSize size, qreal ratio)
{
    QPixmap pixmap = blank(size, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    // Flame, fins, body, window.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 140, 0));
    painter.drawPolygon(QPolygonF({QPointF(w * 0.38, h * 0.78), QPointF(w * 0.5, h * 1.0),
                                   QPointF(w * 0.62, h * 0.78)}));
    painter.setBrush(QColor(200, 0, 0));
    painter.drawPolygon(QPolygonF({QPointF(w * 0.35, h * 0.55), QPointF(w * 0.15, h * 0.85),
                                   QPointF(w * 0.38, h * 0.78)}));
    painter.drawPolygon(QPolygonF({QPointF(w * 0.65, h * 0.55), QPointF(w * 0.85, h * 0.85),
                                   QPointF(w * 0.62, h * 0.78)}));
    QPainterPath body;
    body.moveTo(w * 0.5, h * 0.02);
    body.cubicTo(w * 0.72, h * 0.2, w * 0.68, h * 0.6, w * 0.62, h * 0.8);
    body.lineTo(w * 0.38, h * 0.8);
    body.cubicTo(w * 0.32, h * 0.6, w * 0.28, h * 0.2, w * 0.5, h * 0.02);
    painter.setBrush(QColor(230, 230, 240));
    painter.setPen(QPen(QColor(90, 90, 110), 1));
    painter.drawPath(body);
    painter.setBrush(QColor(60, 140, 255));
    painter.drawEllipse(QPointF(w * 0.5, h * 0.38), w * 0.08, w * 0.08);
    return pixmap;
}

QPixmap moon(QSize size, qreal ratio)
{
    QPixmap pixmap = blank(size, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(), size).adjusted(2, 2, -2, -2);
    QPainterPath disc;
    disc.addEllipse(r);
    QPainterPath bite;
    bite.addEllipse(r.translated(r.width() * 0.35, -r.height() * 0.1));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 230, 90));
    painter.drawPath(disc.subtracted(bite));
    return pixmap;
}

QPixmap logo(QSize size, qreal ratio)
{
    QPixmap pixmap = blank(size, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(), size).adjusted(1, 1, -1, -1);
    // An exercise-book page with a written multiplication on squared paper.
    painter.setPen(QPen(QColor(0, 0, 128), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(r, 3, 3);
    painter.setPen(QPen(QColor(170, 190, 230), 0.8));
    const qreal step = r.width() / 6;
    for (qreal x = r.left() + step; x < r.right(); x += step)
        painter.drawLine(QPointF(x, r.top() + 2), QPointF(x, r.bottom() - 2));
    for (qreal y = r.top() + step; y < r.bottom(); y += step)
        painter.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    QFont font(WindowSetup::windowFontFamily);
    font.setBold(true);
    font.setPixelSize(int(r.height() * 0.32));
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 128));
    painter.drawText(QRectF(r.left(), r.top(), r.width(), r.height() / 2), Qt::AlignCenter,
                     QStringLiteral("7·8"));
    painter.setPen(QPen(QColor(200, 0, 0), 1.5));
    painter.drawLine(QPointF(r.left() + 4, r.center().y()), QPointF(r.right() - 4, r.center().y()));
    painter.setPen(QColor(0, 120, 0));
    painter.drawText(QRectF(r.left(), r.center().y(), r.width(), r.height() / 2), Qt::AlignCenter,
                     QStringLiteral("56"));
    return pixmap;
}

Drawing greenTileDrawing(TileSymbol symbol)
{
    return [symbol](QSize size, qreal ratio) { return greenTile(symbol, size, ratio); };
}

void showOn(QLabel *label, Drawing drawing)
{
    new LabelPicture(label, std::move(drawing));
}

} // namespace Pictures
