// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <QWindow>

#include "shell/twips.h"

// Small helpers shared by every window: fixed-size frames, coloured
// backgrounds, fonts in points, lines and rectangles placed in twips.
namespace WindowSetup {

inline void fixedWindow(QWidget *window, const QString &objectName, const QString &caption,
                        int widthTwips, int heightTwips)
{
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(Twips::size(widthTwips, heightTwips));
}

// Keys pressed by chance press no command: buttons take the keyboard focus
// only by Tab (never by a click), and the window itself can hold it; each
// window takes the focus itself whenever it is shown.
inline void keepStrayKeysOffButtons(QWidget *window)
{
    window->setFocusPolicy(Qt::StrongFocus);
    const auto buttons = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons)
        if (button->focusPolicy() & Qt::ClickFocus)
            button->setFocusPolicy(Qt::TabFocus);
}

inline void setBackground(QWidget *widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

inline void setColours(QWidget *widget, QColor text, QColor background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The face of every window: named, not left to the desktop, so all machines
// show the same letters; installed with fonts-dejavu-core and has ä, ö, ü, ß.
inline const QString windowFontFamily = QStringLiteral("DejaVu Sans");

inline QFont font(qreal points, bool bold = false, bool italic = false, bool underline = false)
{
    QFont f(windowFontFamily);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

// Shrinks a control's font in half points until its text fits its box: the
// fonts installed here run wider than the ones the layout was drawn with.
inline void fitText(QWidget *widget, const QString &text, bool wrapped = false, int extraWidth = 0)
{
    QFont f = widget->font();
    const int room = widget->width() - extraWidth - 4;
    while (f.pointSizeF() > 6) {
        const QFontMetrics metrics(f);
        const bool fits = wrapped
            ? metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, text).height()
                  <= widget->height() - 4
            : metrics.horizontalAdvance(text) <= room;
        if (fits)
            break;
        f.setPointSizeF(f.pointSizeF() - 0.5);
    }
    widget->setFont(f);
}

inline QLabel *label(QWidget *parent, const QString &objectName, const QString &text,
                     const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(objectName);
    l->setGeometry(geometry);
    return l;
}

// A filled rectangle (a line of the given width, or a shape).
inline QFrame *shape(QWidget *parent, const QString &objectName, const QRect &geometry, QColor fill,
                     QColor border = QColor())
{
    auto *f = new QFrame(parent);
    f->setObjectName(objectName);
    f->setGeometry(geometry);
    setBackground(f, fill);
    if (border.isValid()) {
        f->setFrameShape(QFrame::Box);
        QPalette palette = f->palette();
        palette.setColor(QPalette::WindowText, border);
        f->setPalette(palette);
    }
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}

// A horizontal line from x1 to x2 (twips) at height y, in pixels wide.
inline QFrame *horizontalLine(QWidget *parent, const QString &objectName, int x1Twips, int x2Twips,
                              int yTwips, int widthPixels, QColor colour)
{
    return shape(parent, objectName,
                 QRect(Twips::toPixels(x1Twips), Twips::toPixels(yTwips) - widthPixels / 2,
                       Twips::toPixels(x2Twips) - Twips::toPixels(x1Twips), widthPixels),
                 colour);
}

namespace detail {
// Keeps the corner of a window where it centres the window with its frame:
// whenever the frame turns out other than the one the window was centred
// with (a window manager frames a window only after it is first shown, and
// may say so without moving it), the window is centred again. A window the
// pupil moves stays where it is put.
class FrameCentring final : public QObject {
public:
    explicit FrameCentring(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

    void centre(QSize screen, int verticalDivisor)
    {
        m_screen = screen;
        m_verticalDivisor = verticalDivisor;
        m_frame = framedSize();
        const QPoint corner = Twips::centred(m_screen, m_frame, m_verticalDivisor);
        // A widget's move counts the frame it knew at its last move, perhaps
        // none yet: a shown window is placed by its inside, from the frame
        // the window system knows now.
        if (const QWindow *handle = m_window->windowHandle()) {
            const QMargins frame = handle->frameMargins();
            m_window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), m_window->size()));
        } else {
            m_window->move(corner);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
        case QEvent::Paint:
            if (watched == m_window && framedSize() != m_frame)
                centre(m_screen, m_verticalDivisor);
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Asked of the window system each time: the widget's own frame geometry
    // is only brought up to date when the window moves.
    QSize framedSize() const
    {
        if (const QWindow *handle = m_window->windowHandle())
            return m_window->size().grownBy(handle->frameMargins());
        return m_window->frameGeometry().size();
    }

    QWidget *m_window;
    QSize m_screen;
    int m_verticalDivisor = 2;
    QSize m_frame;
};
} // namespace detail

// Places a window centred across the screen with its frame (title bar and
// borders) counted, its top edge 1/verticalDivisor down the free height.
// Before the window manager has framed the window, it is centred by what is
// known and centred again as soon as the frame is known.
inline void centreOnScreen(QWidget *window, QSize screen, int verticalDivisor)
{
    detail::FrameCentring *centring = nullptr;
    for (QObject *child : window->children()) {
        if ((centring = dynamic_cast<detail::FrameCentring *>(child)))
            break;
    }
    if (!centring)
        centring = new detail::FrameCentring(window);
    centring->centre(screen, verticalDivisor);
}

// The info window stands beside the pupil's working window (the menu, a
// trainer or a game) and asks nothing: message boxes are never put over it.
inline const char *const besideWorkingWindow = "besideWorkingWindow";
inline void standBesideWorkingWindow(QWidget *window)
{
    window->setProperty(besideWorkingWindow, true);
}
inline bool standsBesideWorkingWindow(const QWidget *window)
{
    return window->property(besideWorkingWindow).toBool();
}

} // namespace WindowSetup
