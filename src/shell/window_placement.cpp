// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/window_placement.h"

#include "shell/platform.h"
#include "shell/twips.h"

#include <QAbstractScrollArea>
#include <QChildEvent>
#include <QEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QShortcut>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <limits>

namespace {
constexpr qreal zoomSteps[] = {0.5, 0.65, 0.8, 1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4};
constexpr qreal zoomTolerance = 0.01;
constexpr int wheelNotch = 120; // eighths of a degree
} // namespace

WindowPlacement::WindowPlacement(QWidget *window, Platform &platform, PlacementRule rule,
                                 int verticalDivisor)
    : m_window(window)
    , m_platform(platform)
    , m_rule(rule)
    , m_verticalDivisor(verticalDivisor)
    , m_scale(window)
{
    window->installEventFilter(this);
}

void WindowPlacement::visit()
{
    if (m_rule == PlacementRule::Once && m_visited)
        return;
    m_visited = true;
    m_screen = m_platform.screenSize();
    place();
}

void WindowPlacement::setLayoutSize(QSize size)
{
    m_scale.setLayoutSize(size);
    if (m_visited)
        place();
}

void WindowPlacement::zoom(ZoomStep step)
{
    const qreal shown = m_scale.factor();
    const qreal largest = largestFitting();
    auto larger = std::find_if(std::begin(zoomSteps), std::end(zoomSteps),
                               [shown](qreal z) { return z > shown + zoomTolerance; });
    auto smaller = std::find_if(std::rbegin(zoomSteps), std::rend(zoomSteps),
                                [shown](qreal z) { return z < shown - zoomTolerance; });
    switch (step) {
    case ZoomStep::In:
        if (larger != std::end(zoomSteps) && std::min(*larger, largest) > shown + zoomTolerance)
            m_zoom = std::min(*larger, largest);
        break;
    case ZoomStep::Out:
        if (smaller != std::rend(zoomSteps))
            m_zoom = *smaller;
        break;
    case ZoomStep::Reset:
        m_zoom = 1;
        break;
    }
    place();
}

void WindowPlacement::setZoom(qreal zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    place();
}

void WindowPlacement::letPupilZoom()
{
    using Keys = QList<QKeySequence>;
    const Qt::KeyboardModifiers keypad = Qt::ControlModifier | Qt::KeypadModifier;
    const std::pair<Keys, ZoomStep> shortcuts[] = {
        {Keys{Qt::ControlModifier | Qt::Key_Plus, keypad | Qt::Key_Plus}, ZoomStep::In},
        {Keys{Qt::ControlModifier | Qt::Key_Minus, keypad | Qt::Key_Minus}, ZoomStep::Out},
        {Keys{Qt::ControlModifier | Qt::Key_0, keypad | Qt::Key_0}, ZoomStep::Reset},
    };
    for (const auto &[keys, step] : shortcuts) {
        auto *shortcut = new QShortcut(m_window);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { zoom(step); });
    }
    m_zoomable = true;
    watchWheel(m_window);
}

// A wheel turn goes to the control under the pointer (a list, its scroll bar)
// before the window: every control, also one made later, is watched.
void WindowPlacement::watchWheel(QObject *watched)
{
    watched->installEventFilter(this);
    for (QObject *child : watched->children())
        if (child->isWidgetType() && !static_cast<QWidget *>(child)->isWindow())
            watchWheel(child);
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
    case QEvent::Paint:
        if (watched == m_window && m_visited && !m_placing && framedSize() != m_frame)
            place();
        break;
    case QEvent::ChildAdded:
        if (m_zoomable)
            if (QObject *child = static_cast<QChildEvent *>(event)->child(); child->isWidgetType())
                watchWheel(child);
        break;
    case QEvent::Wheel: {
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (!m_zoomable || !(wheel->modifiers() & Qt::ControlModifier))
            break;
        m_wheelTurn += wheel->angleDelta().y();
        for (; m_wheelTurn >= wheelNotch; m_wheelTurn -= wheelNotch)
            zoom(ZoomStep::In);
        for (; m_wheelTurn <= -wheelNotch; m_wheelTurn += wheelNotch)
            zoom(ZoomStep::Out);
        return true;
    }
    default:
        break;
    }
    return false;
}

// The largest scale at which the window with its frame fits the screen.
qreal WindowPlacement::largestFitting() const
{
    if (!m_screen.isValid())
        return std::numeric_limits<qreal>::max();
    const QSize frame = framedSize() - m_window->size();
    const QSize layout = m_scale.layoutSize();
    return std::min(qreal(m_screen.width() - frame.width()) / layout.width(),
                    qreal(m_screen.height() - frame.height()) / layout.height());
}

void WindowPlacement::place()
{
    const QScopedValueRollback placing(m_placing, true);
    m_scale.setFactor(std::min(m_zoom, largestFitting()));
    if (!m_screen.isValid())
        return;
    m_frame = framedSize();
    const QPoint corner = Twips::centred(m_screen, m_frame, m_verticalDivisor);
    // A widget's move counts the frame it knew at its last move, perhaps none
    // yet: a shown window is placed by its inside, from the frame the window
    // system knows now.
    if (m_window->windowHandle()) {
        const QMargins frame = frameMargins();
        m_window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), m_window->size()));
    } else {
        m_window->move(corner);
    }
}

// Asked of the window system each time: the widget's own frame geometry is
// only brought up to date when the window moves.
QSize WindowPlacement::framedSize() const
{
    if (m_window->windowHandle())
        return m_window->size().grownBy(frameMargins());
    return m_window->frameGeometry().size();
}

// At a scale factor the frame's screen pixels come rounded to whole pixels of
// the window: one more on each side keeps all of it on the screen.
QMargins WindowPlacement::frameMargins() const
{
    QMargins frame = m_window->windowHandle()->frameMargins();
    if (m_window->devicePixelRatioF() > 1 && !frame.isNull())
        frame += QMargins(1, 1, 1, 1);
    return frame;
}
