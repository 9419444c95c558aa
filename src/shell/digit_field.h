// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/cell_label.h"

// A cell that takes one digit: from a dropped tile, from a key while it holds
// the keyboard focus, or from a tap while a tile is picked up (the window
// holding the tile answers `tapped`). While a tile is dragged over it, it
// shows that it would take the drop with a frame; while the keys write into
// it, with a frame of its own, which the window sets.
class DigitField : public CellLabel {
    Q_OBJECT
public:
    explicit DigitField(QWidget *parent);

    bool isHighlighted() const { return m_highlighted; }
    // The focus frame: this is the field the window's keys write into.
    void setFramed(bool framed);
    bool isFramed() const { return m_framed; }

    // The frame that marks the field under a dragged tile.
    static QColor highlightColour();
    static constexpr int highlightWidth = 3;

signals:
    void digitDropped(int digit);
    void digitTyped(int digit);
    void tapped();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setHighlighted(bool on);

    bool m_highlighted = false;
    bool m_framed = false;
};
