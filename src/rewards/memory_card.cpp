// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/memory_card.h"

#include "shell/look.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

MemoryCard::MemoryCard(int number, QWidget *parent)
    : QLabel(parent)
    , m_number(number)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void MemoryCard::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    // Also while a message box is open over the window, the frame shows where the keys act.
    if (window()->focusWidget() != this)
        return;
    QPainter painter(this);
    Look::paintFocusFrame(painter, rect());
}

void MemoryCard::keyPressEvent(QKeyEvent *event)
{
    using Step = MemoryGame::CardStep;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: emit clicked(m_number); break;
    case Qt::Key_Up: emit stepped(m_number, Step::Up); break;
    case Qt::Key_Down: emit stepped(m_number, Step::Down); break;
    case Qt::Key_Left: emit stepped(m_number, Step::Left); break;
    case Qt::Key_Right: emit stepped(m_number, Step::Right); break;
    default: QLabel::keyPressEvent(event); return;
    }
    event->accept();
}

void MemoryCard::mouseReleaseEvent(QMouseEvent *event)
{
    // A press that is dragged off the card and released elsewhere is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_number);
    QLabel::mouseReleaseEvent(event);
}

void MemoryCard::focusInEvent(QFocusEvent *event)
{
    update();
    QLabel::focusInEvent(event);
}

void MemoryCard::focusOutEvent(QFocusEvent *event)
{
    update();
    QLabel::focusOutEvent(event);
}
