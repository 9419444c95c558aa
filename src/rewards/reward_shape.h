// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

// A plain rectangle on a game window: a filled panel or an outline frame.
// It lets every click through to what lies beneath.
class RewardShape : public QWidget {
public:
    enum class Fill { Solid, Hollow };

    RewardShape(Fill fill, const QColor &fillColour, const QColor &borderColour, QWidget *parent);

    QColor fillColour() const { return m_fillColour; }
    QColor borderColour() const { return m_borderColour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Fill m_fill;
    QColor m_fillColour;
    QColor m_borderColour;
};
