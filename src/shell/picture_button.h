// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/pictures.h"

#include <QAbstractButton>
#include <QPixmap>

// A button that shows a picture and nothing else; it names itself for screen readers.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(Pictures::Drawing picture, const QString &accessibleName, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Pictures::Drawing m_drawing;
    QPixmap m_picture;
};
