// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/look.h"
#include "shell/digit_field.h"

#include "shell/digit_drag.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPainter>

DigitField::DigitField(QWidget *parent)
    : QLabel(parent)
{
    setAcceptDrops(true);
    setAlignment(Qt::AlignCenter);
}

QColor DigitField::highlightColour()
{
    return Look::dropHighlight;
}

void DigitField::dragEnterEvent(QDragEnterEvent *event)
{
    // A hidden field takes nothing, even if a drag event reaches it.
    if (!isVisible() || DigitDrag::digitOf(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setHighlighted(true);
}

void DigitField::dragMoveEvent(QDragMoveEvent *event)
{
    if (!isVisible() || DigitDrag::digitOf(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DigitField::dragLeaveEvent(QDragLeaveEvent *event)
{
    setHighlighted(false);
    QLabel::dragLeaveEvent(event);
}

void DigitField::dropEvent(QDropEvent *event)
{
    // The highlight goes before the drop is checked: a wrong digit opens a
    // message box, and the field must not stay lit behind it.
    setHighlighted(false);
    const QString digit = DigitDrag::digitOf(event->mimeData());
    if (!isVisible() || digit.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit digitDropped(digit);
}

void DigitField::hideEvent(QHideEvent *event)
{
    setHighlighted(false);
    QLabel::hideEvent(event);
}

void DigitField::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_highlighted)
        return;
    QPainter painter(this);
    const int inset = highlightWidth / 2;
    painter.setPen(QPen(highlightColour(), highlightWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

void DigitField::setHighlighted(bool on)
{
    if (m_highlighted == on)
        return;
    m_highlighted = on;
    update();
}
