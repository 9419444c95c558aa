// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/digit_field.h"

#include "shell/digit_drag.h"
#include "shell/look.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPainter>

DigitField::DigitField(QWidget *parent)
    : CellLabel(parent)
{
    setAcceptDrops(true);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
}

void DigitField::setFramed(bool framed)
{
    if (m_framed == framed)
        return;
    m_framed = framed;
    update();
}

QColor DigitField::highlightColour()
{
    return Look::dropHighlight;
}

void DigitField::dragEnterEvent(QDragEnterEvent *event)
{
    // A hidden field takes nothing, even if a drag event reaches it.
    if (!isVisible() || DigitDrag::digitOf(event->mimeData()) < 0) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setHighlighted(true);
}

void DigitField::dragMoveEvent(QDragMoveEvent *event)
{
    if (!isVisible() || DigitDrag::digitOf(event->mimeData()) < 0) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DigitField::dragLeaveEvent(QDragLeaveEvent *event)
{
    setHighlighted(false);
    CellLabel::dragLeaveEvent(event);
}

void DigitField::dropEvent(QDropEvent *event)
{
    // The highlight goes before the drop is checked: a wrong digit opens a
    // message box, and the field must not stay lit behind it.
    setHighlighted(false);
    const int digit = DigitDrag::digitOf(event->mimeData());
    if (!isVisible() || digit < 0) {
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
    CellLabel::hideEvent(event);
}

void DigitField::paintEvent(QPaintEvent *event)
{
    CellLabel::paintEvent(event);
    if (!m_highlighted && !m_framed)
        return;
    QPainter painter(this);
    painter.setBrush(Qt::NoBrush);
    if (m_highlighted) { // the drag's frame wins while a tile is over the field
        const int inset = highlightWidth / 2;
        painter.setPen(QPen(highlightColour(), highlightWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
        return;
    }
    Look::paintFocusFrame(painter, rect());
}

void DigitField::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
    if (plain && event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9) {
        event->accept();
        emit digitTyped(event->key() - Qt::Key_0);
        return;
    }
    CellLabel::keyPressEvent(event);
}

// The press is kept here, so a tap on a field is never taken for a tap beside it.
void DigitField::mousePressEvent(QMouseEvent *event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void DigitField::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit tapped();
}

void DigitField::setHighlighted(bool on)
{
    if (m_highlighted == on)
        return;
    m_highlighted = on;
    update();
}
