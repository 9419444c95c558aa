// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// One card of the memory board: a bordered label that reports a click on it.
class MemoryCard : public QLabel {
    Q_OBJECT
public:
    MemoryCard(int number, QWidget *parent);

    int number() const { return m_number; }

signals:
    void clicked(int number);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_number;
};
