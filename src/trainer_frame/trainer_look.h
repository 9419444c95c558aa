// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/window_setup.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QString>

// The colours and cell styles every trainer window shares.
namespace TrainerLook {
inline const QColor windowColour(192, 192, 255);
inline const QColor taskAreaColour(224, 232, 255);
inline const QColor darkBlue(0, 0, 128);
inline const QColor fieldColour(250, 250, 255);
inline const QColor fieldBorder(128, 128, 200);
inline const QColor carryRed(220, 0, 0);
inline const QColor gapPanelColour(128, 128, 255);
inline const QColor pointsGreen(0, 128, 0);

inline const QString invitationText = QStringLiteral("Du hast eine Belohnung, klicke hier . . .");

// A cell of the calculation: one bold digit centred in its box.
inline void styleCell(QLabel *label, QColor textColour, QColor background, qreal points, bool framed)
{
    label->setAlignment(Qt::AlignCenter);
    label->setFont(WindowSetup::font(points, true));
    WindowSetup::setColours(label, textColour, background);
    if (framed) {
        label->setFrameShape(QFrame::Box);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Light, fieldBorder);
        palette.setColor(QPalette::Dark, fieldBorder);
        label->setPalette(palette);
    }
}

// The multiplication dot: a small filled circle.
inline QFrame *multiplicationDot(QWidget *parent, const QString &objectName, const QRect &geometry)
{
    QFrame *dot = WindowSetup::shape(parent, objectName, geometry, darkBlue);
    dot->setStyleSheet(QStringLiteral("background: #000080; border-radius: %1px;")
                           .arg(geometry.width() / 2));
    return dot;
}
} // namespace TrainerLook
