// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/digit_tile.h"

#include "shell/digit_drag.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>

namespace {
constexpr int dragImageOffset = 8; // pixels right of and below the pointer
} // namespace

DigitTile::DigitTile(int digit, QWidget *parent)
    : QPushButton(QString::number(digit), parent)
{
    setCursor(Qt::OpenHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleDescription(QStringLiteral("Ziffer %1 zum Ziehen in ein Lösungsfeld").arg(digit));
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

void DigitTile::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressed = false;
    setDown(false);
    event->accept();
}
