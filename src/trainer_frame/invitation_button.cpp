// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/invitation_button.h"

#include "shell/look.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

InvitationButton::InvitationButton(const QString &text, const QString &game, QColor ink, QWidget *parent)
    : QPushButton(text, parent)
    , m_ink(ink)
{
    setAccessibleName(QStringLiteral("Belohnung: %1").arg(game));
    setAccessibleDescription(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void InvitationButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Look::darkSurface);
    painter.setPen(m_ink);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus())
        Look::paintFocusFrame(painter, rect());
}

void InvitationButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

// Both invitations share one place: the one the keys stand on lies on top, so its frame is seen.
void InvitationButton::focusInEvent(QFocusEvent *event)
{
    raise();
    QPushButton::focusInEvent(event);
}

void InvitationButton::showEvent(QShowEvent *event)
{
    QPushButton::showEvent(event);
    QAccessibleEvent appeared(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&appeared);
}
