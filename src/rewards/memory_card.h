// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rewards/memory_game.h"

#include <QLabel>

// One card of the memory board: a bordered label that reports a click on it,
// or Space or Return while it holds the keyboard focus, which it shows with
// the focus frame; the arrow keys ask for the focus to move on.
class MemoryCard : public QLabel {
    Q_OBJECT
public:
    MemoryCard(int number, QWidget *parent);

    int number() const { return m_number; }

signals:
    void clicked(int number);
    void stepped(int number, MemoryGame::CardStep step);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int m_number;
};
