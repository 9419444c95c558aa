// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/window_scale.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QChildEvent>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QScopedValueRollback>
#include <QWidget>

#include <algorithm>

namespace {
// A scroll area, a spin box or a laid-out widget places its parts itself.
bool placesItsOwnParts(const QWidget *widget)
{
    return widget->layout() || qobject_cast<const QAbstractScrollArea *>(widget)
        || qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QComboBox *>(widget);
}
} // namespace

WindowScale::WindowScale(QWidget *window)
    : m_window(window)
{
}

void WindowScale::setFactor(qreal factor)
{
    if (qFuzzyCompare(factor, m_factor))
        return;
    // Until the first change every control stands as the layout placed it.
    if (!m_adopted) {
        m_layoutSize = m_window->size();
        m_windowFont.ownFont = m_window->testAttribute(Qt::WA_SetFont);
        m_windowFont.layoutFont = m_window->font();
        adopt(m_window);
        m_adopted = true;
    }
    m_factor = factor;
    m_showing = true;
    m_window->setFixedSize(qRound(m_layoutSize.width() * factor), qRound(m_layoutSize.height() * factor));
    // The window's font carries the scale to every control that has none of its own.
    if (factor == 1 && !m_windowFont.ownFont)
        m_window->setFont(QFont());
    else
        m_window->setFont(scaled(m_windowFont.layoutFont));
    m_windowFont.shownFont = m_window->font();
    // A control may come or go while others are shown anew.
    const QList<QWidget *> controls = m_controls.keys();
    for (QWidget *widget : controls)
        if (auto it = m_controls.find(widget); it != m_controls.end())
            show(widget, *it);
    evenOutGroups();
    m_showing = false;
}

void WindowScale::evenOutGroups()
{
    QHash<int, qreal> smallest;
    for (auto fit = m_fits.cbegin(); fit != m_fits.cend(); ++fit) {
        const qreal points = fit.key()->font().pointSizeF();
        if (fit->group && points > 0 && (!smallest.contains(fit->group) || points < smallest.value(fit->group)))
            smallest.insert(fit->group, points);
    }
    for (auto fit = m_fits.cbegin(); fit != m_fits.cend(); ++fit) {
        QWidget *control = fit.key();
        auto it = m_controls.find(control);
        if (!fit->group || it == m_controls.end() || control->font().pointSizeF() <= smallest.value(fit->group))
            continue;
        QFont font = control->font();
        font.setPointSizeF(smallest.value(fit->group));
        control->setFont(font);
        it->shownFont = font;
    }
}

QSize WindowScale::layoutSize() const
{
    return m_adopted ? m_layoutSize : m_window->size();
}

void WindowScale::setLayoutSize(QSize size)
{
    if (!m_adopted) {
        m_window->setFixedSize(size);
        return;
    }
    m_layoutSize = size;
    m_window->setFixedSize(qRound(size.width() * m_factor), qRound(size.height() * m_factor));
}

QFont WindowScale::fitted(QFont font, QSize box, const TextFit &fit, qreal smallest)
{
    const int room = box.width() - fit.extraWidth - 4;
    while (font.pointSizeF() > smallest) {
        const QFontMetrics metrics(font);
        const bool fits = fit.wrapped
            ? metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, fit.text).height()
                  <= box.height() - 4
            : metrics.horizontalAdvance(fit.text) <= room;
        if (fits)
            break;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    return font;
}

void WindowScale::fitText(QWidget *control, const TextFit &fit)
{
    control->setFont(fitted(control->font(), control->size(), fit, smallestFittedPoints));
    fitTextWhenScaled(control, fit);
}

void WindowScale::fitTextWhenScaled(QWidget *control, const TextFit &fit)
{
    if (!m_fits.contains(control))
        connect(control, &QObject::destroyed, this, [this, control] { m_fits.remove(control); });
    m_fits.insert(control, fit);
}

void WindowScale::adopt(QWidget *parent)
{
    parent->installEventFilter(this);
    if (parent != m_window && placesItsOwnParts(parent))
        return;
    const QObjectList children = parent->children();
    for (QObject *child : children) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow() || m_controls.contains(widget))
            continue;
        track(widget);
        adopt(widget);
    }
}

WindowScale::Control &WindowScale::track(QWidget *widget)
{
    Control control;
    control.layout = control.shown = widget->geometry();
    control.ownFont = widget->testAttribute(Qt::WA_SetFont);
    control.layoutFont = control.shownFont = widget->font();
    connect(widget, &QObject::destroyed, this, [this, widget] { m_controls.remove(widget); });
    return *m_controls.insert(widget, control);
}

void WindowScale::show(QWidget *widget, Control &control)
{
    // A hidden control is moved without a word: its new place shows only here.
    if (widget->geometry() != control.shown)
        takeNewGeometry(widget, control);
    const QRect target = scaled(control.layout);
    if (widget->geometry() != target)
        widget->setGeometry(target);
    control.shown = widget->geometry();
    if (control.ownFont) {
        QFont font = scaled(control.layoutFont);
        // Text and box shrink alike only roughly: small letters run wider.
        if (auto fit = m_fits.constFind(widget); fit != m_fits.cend() && m_factor != 1)
            font = fitted(font, widget->size(), *fit, smallestFittedPoints * m_factor);
        widget->setFont(font);
    }
    control.shownFont = widget->font();
}

// A control only moved keeps its layout size, one only resized its layout place.
void WindowScale::takeNewGeometry(const QWidget *widget, Control &control)
{
    const QRect now = widget->geometry();
    if (now.size() == control.shown.size())
        control.layout.moveTo(now.topLeft());
    else if (now.topLeft() == control.shown.topLeft())
        control.layout.setSize(now.size());
    else
        control.layout = now;
}

// What the window's code sets on a control is the layout's; only what this
// scale set itself is the shown one.
void WindowScale::takeOver(QWidget *widget, Control &control)
{
    const QScopedValueRollback showing(m_showing, true);
    show(widget, control);
}

bool WindowScale::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::ChildAdded: {
        // A control made later is taken over once it is complete, when it is polished.
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType() && (widget == m_window || !placesItsOwnParts(widget)))
            child->installEventFilter(this);
        break;
    }
    case QEvent::ChildRemoved:
        m_controls.remove(qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()));
        break;
    case QEvent::Polish:
        if (widget != m_window && !m_controls.contains(widget)) {
            // A window of its own (a child window, and its controls) has a scale of its own.
            if (widget->window() != m_window) {
                widget->removeEventFilter(this);
                break;
            }
            takeOver(widget, track(widget));
            adopt(widget);
        }
        break;
    case QEvent::Move:
    case QEvent::Resize: {
        auto it = m_controls.find(widget);
        if (!m_showing && it != m_controls.end() && widget->geometry() != it->shown)
            takeOver(widget, *it);
        break;
    }
    case QEvent::FontChange: {
        if (m_showing)
            break;
        Control *control = widget == m_window ? &m_windowFont : nullptr;
        if (auto it = m_controls.find(widget); it != m_controls.end())
            control = &*it;
        if (!control || widget->font() == control->shownFont)
            break;
        control->ownFont = widget->testAttribute(Qt::WA_SetFont);
        control->layoutFont = widget->font();
        if (widget == m_window) {
            m_showing = true;
            m_window->setFont(scaled(m_windowFont.layoutFont));
            m_windowFont.shownFont = m_window->font();
            m_showing = false;
        } else {
            takeOver(widget, *control);
        }
        break;
    }
    default:
        break;
    }
    return false;
}

QRect WindowScale::scaled(const QRect &layout) const
{
    if (m_factor == 1)
        return layout;
    // Edges are scaled, so controls that touch in the layout still touch.
    auto edge = [this](int position) { return qRound(position * m_factor); };
    const int left = edge(layout.x());
    const int top = edge(layout.y());
    const int width = edge(layout.x() + layout.width()) - left;
    const int height = edge(layout.y() + layout.height()) - top;
    return QRect(left, top, layout.width() > 0 ? std::max(1, width) : width,
                 layout.height() > 0 ? std::max(1, height) : height);
}

QFont WindowScale::scaled(const QFont &layout) const
{
    if (m_factor == 1)
        return layout;
    QFont font = layout;
    if (layout.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(layout.pixelSize() * m_factor)));
    else
        font.setPointSizeF(layout.pointSizeF() * m_factor);
    return font;
}
