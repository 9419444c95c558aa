// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/digit_drag.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>
#include <QtTest/QTest>

// Delivers a real drag-enter and drop of a digit tile to a field widget, then
// lets the window handle it. Returns whether the field accepted the drop.
inline bool dropTile(QWidget *field, const QString &digit, const QString &format = DigitDrag::mimeType)
{
    QMimeData mime;
    mime.setData(format, digit.toLatin1());
    const QPoint centre = field->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}
