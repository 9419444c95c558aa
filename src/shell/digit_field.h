// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A label that takes one dropped digit tile and nothing else. While a tile is
// dragged over it, it shows that it would take the drop with a frame.
class DigitField : public QLabel {
    Q_OBJECT
public:
    explicit DigitField(QWidget *parent);

    bool isHighlighted() const { return m_highlighted; }

    // The frame that marks the field under a dragged tile.
    static QColor highlightColour();
    static constexpr int highlightWidth = 3;

signals:
    void digitDropped(const QString &digit);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setHighlighted(bool on);

    bool m_highlighted = false;
};
