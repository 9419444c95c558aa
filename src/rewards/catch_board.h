// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSizeF>
#include <QWidget>

class CatchGame;

// The catching game's play field: its frame and its cells, painted from what
// the game left on them at the window's scale, each mark kept inside its cell.
// A tap on the field reports the cell under it; a screen reader hears where
// the next digit stands.
class CatchBoard : public QWidget {
    Q_OBJECT
public:
    CatchBoard(const CatchGame &game, QWidget *parent);

    // To be called whenever the game changed.
    void showGame();

    // A cell's place in this widget's device pixels (the painting's own).
    QRect cellPixels(int column, int row) const;

signals:
    void cellTapped(int column, int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QSizeF scale(qreal ratio) const;
    QPoint cellAt(QPointF position) const;

    const CatchGame &m_game;
};
