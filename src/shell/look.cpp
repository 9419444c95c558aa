// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/look.h"

#include "shell/window_setup.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>

namespace Look {

void styleCell(QLabel *label, const CellStyle &style, bool framed)
{
    label->setAlignment(Qt::AlignCenter);
    label->setFont(WindowSetup::font(style.points, true));
    WindowSetup::setColours(label, style.ink, style.background);
    label->setFrameShape(framed ? QFrame::Box : QFrame::NoFrame);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Light, fieldBorder);
    palette.setColor(QPalette::Dark, fieldBorder);
    label->setPalette(palette);
}

QFrame *multiplicationDot(QWidget *parent, const QString &objectName, const QRect &geometry)
{
    QFrame *dot = WindowSetup::shape(parent, objectName, geometry, ink);
    dot->setStyleSheet(QStringLiteral("background: %1; border-radius: %2px;")
                           .arg(ink.name())
                           .arg(geometry.width() / 2));
    return dot;
}

} // namespace Look
