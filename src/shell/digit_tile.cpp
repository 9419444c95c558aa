// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/digit_tile.h"

#include "shell/digit_drag.h"
#include "shell/look.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {
constexpr int dragImageOffset = 8; // pixels right of and below the pointer
} // namespace

DigitTile::DigitTile(int digit, QWidget *parent)
    : QPushButton(QString::number(digit), parent)
    , m_digit(digit)
{
    setCursor(Qt::OpenHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Ziffer %1").arg(digit));
    setAccessibleDescription(
        QStringLiteral("Ziffer %1 zum Ziehen in ein Lösungsfeld, oder antippen und dann das Feld antippen")
            .arg(digit));
}

void DigitTile::setPicked(bool picked)
{
    if (m_picked == picked)
        return;
    m_picked = picked;
    setAccessibleName(QStringLiteral("Ziffer %1%2").arg(text(), picked ? QStringLiteral(", aufgenommen") : QString()));
    update();
}

void DigitTile::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!m_picked)
        return;
    // Lit and framed, so the tile in hand is seen from across the room.
    QPainter painter(this);
    painter.fillRect(rect(), Look::pickedTile);
    painter.setPen(QPen(Look::ink, pickedFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const qreal half = pickedFrameWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

void DigitTile::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressPosition = event->position().toPoint();
        m_pressed = true;
        setDown(true);
    }
    event->accept();
}

void DigitTile::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - m_pressPosition).manhattanLength()
        < QApplication::startDragDistance())
        return;
    m_pressed = false;

    auto *mime = new QMimeData;
    mime->setData(DigitDrag::mimeType, text().toLatin1());
    auto *drag = new QDrag(this);
    drag->setMimeData(mime);
    // The tile travels a little smaller and beside the pointer, below and to
    // the right, so the field under the pointer stays in sight with its frame.
    const QPixmap image = grab().scaled(size() * 3 / 4, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    drag->setPixmap(image);
    drag->setHotSpot(QPoint(-dragImageOffset, -dragImageOffset));
    drag->exec(Qt::CopyAction);
    setDown(false);
}

// A press and release without a drag is a tap: the tile is clicked, as an
// assistive tool's press would click it.
void DigitTile::mouseReleaseEvent(QMouseEvent *event)
{
    const bool tap = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    setDown(false);
    event->accept();
    if (tap)
        click();
}
