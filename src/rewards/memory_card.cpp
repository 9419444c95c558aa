// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/memory_card.h"

#include <QMouseEvent>

MemoryCard::MemoryCard(int number, QWidget *parent)
    : QLabel(parent)
    , m_number(number)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
}

void MemoryCard::mouseReleaseEvent(QMouseEvent *event)
{
    // A press that is dragged off the card and released elsewhere is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_number);
    QLabel::mouseReleaseEvent(event);
}
