// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/window_scale.h"

#include <QObject>
#include <QSize>

class Platform;
class QWidget;

// When a window is centred on the screen: once, at its first visit (it then
// comes back wherever the pupil left it), or at every visit.
enum class PlacementRule { Once, EachVisit };

// The pupil's zoom steps; Reset brings the window back to its own size (or what fits of it).
enum class ZoomStep { In, Out, Reset };

// Where a window stands and how large it is shown. It is centred across the
// screen with its frame (title bar and borders) counted, its top edge
// 1/verticalDivisor down the free height; where the window with its frame
// would not fit the screen at the pupil's zoom, it is shown smaller as a
// whole, as large as fits. A window manager frames a window only after it is
// first shown: whenever the frame turns out other than the one the window was
// placed with, the window is fitted and centred again. Each window holds one.
class WindowPlacement final : public QObject {
public:
    WindowPlacement(QWidget *window, Platform &platform, PlacementRule rule, int verticalDivisor = 2);

    // The pupil came to this window: centred by the rule, fitted to the screen.
    void visit();

    WindowScale &scale() { return m_scale; }
    // The window's layout takes another size: fitted to the screen and centred anew.
    void setLayoutSize(QSize size);
    const WindowScale &scale() const { return m_scale; }

    // The zoom the pupil chose, never beyond what fits the screen; nothing of
    // it is kept beyond the run.
    void zoom(ZoomStep step);
    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom);
    // Ctrl+Plus (also on the keypad), Ctrl+Minus, Ctrl+0 and Ctrl with the
    // mouse wheel, anywhere over the window, zoom it.
    void letPupilZoom();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    qreal largestFitting() const;
    void place();
    QSize framedSize() const;
    QMargins frameMargins() const;
    void watchWheel(QObject *watched);

    QWidget *m_window;
    Platform &m_platform;
    PlacementRule m_rule;
    int m_verticalDivisor;
    WindowScale m_scale;
    QSize m_screen;
    QSize m_frame;
    qreal m_zoom = 1;
    int m_wheelTurn = 0;
    bool m_visited = false;
    bool m_placing = false;
    bool m_zoomable = false;
};
