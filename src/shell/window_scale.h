// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QHash>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

// Shows a window larger or smaller as a whole: the place and size of every
// control and every font, and so every picture drawn at its control's size.
// The windows' own code goes on placing controls and setting fonts in the
// measures of the layout (scale 1), also while the window is shown: each new
// place or font is taken as the layout's and shown at the window's scale.
// A control's inner parts (a scroll area's view and bars) follow the control.
// Each window's placement holds its scale.
class WindowScale final : public QObject {
public:
    explicit WindowScale(QWidget *window);

    qreal factor() const { return m_factor; }
    void setFactor(qreal factor);
    // The window's size in the layout's measures.
    QSize layoutSize() const;
    // The layout grows or shrinks (a strip shown or hidden): the window is shown at that size.
    void setLayoutSize(QSize size);

    // A text that must fit its control, but for extraWidth pixels of the
    // control that keep their size at any scale (a tick box).
    struct TextFit {
        QString text;
        bool wrapped = false;
        int extraWidth = 0;
        // Controls of one group (a bar of commands) show one size: the smallest any of them needs.
        int group = 0;
    };
    static constexpr qreal smallestFittedPoints = 6;
    // The font shrunk in half points, but not below `smallest`, until the text fits the box.
    static QFont fitted(QFont font, QSize box, const TextFit &fit, qreal smallest);
    // Shrinks a control's font in half points until its text fits its box (the
    // fonts installed here run wider than the ones the layout was drawn with),
    // at this scale and at any other.
    void fitText(QWidget *control, const TextFit &fit);
    // The same only where the window is shown at another scale than its layout's.
    void fitTextWhenScaled(QWidget *control, const TextFit &fit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Control {
        QRect layout;
        QRect shown;
        bool ownFont = false;
        QFont layoutFont;
        QFont shownFont;
    };

    void adopt(QWidget *widget);
    // A control's place and font from now on, as the layout's.
    Control &track(QWidget *widget);
    void takeNewGeometry(const QWidget *widget, Control &control);
    void takeOver(QWidget *widget, Control &control);
    void show(QWidget *widget, Control &control);
    void evenOutGroups();
    QRect scaled(const QRect &layout) const;
    QFont scaled(const QFont &layout) const;

    QWidget *m_window;
    QSize m_layoutSize;
    qreal m_factor = 1;
    bool m_adopted = false;
    bool m_showing = false;
    Control m_windowFont;
    QHash<QWidget *, Control> m_controls;
    QHash<QWidget *, TextFit> m_fits;
};
