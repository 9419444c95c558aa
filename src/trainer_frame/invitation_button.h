// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPushButton>

// A reward invitation: a line of coloured text on black that takes the pupil
// to a game when clicked, or, reached with Tab, with Space or Return. A screen
// reader hears it when it appears.
class InvitationButton : public QPushButton {
    Q_OBJECT
public:
    InvitationButton(const QString &text, const QString &game, QColor ink, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QColor m_ink;
};
