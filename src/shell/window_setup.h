#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QWidget>

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

} // namespace WindowSetup
