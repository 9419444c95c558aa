// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/window_setup.h"

#include "shell/twips.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace WindowSetup {

void fixedWindow(QWidget *window, const QString &objectName, const QString &caption, int widthTwips,
                 int heightTwips)
{
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(Twips::size(widthTwips, heightTwips));
}

void keepStrayKeysOffButtons(QWidget *window)
{
    window->setFocusPolicy(Qt::StrongFocus);
    const auto buttons = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons)
        if (button->focusPolicy() & Qt::ClickFocus)
            button->setFocusPolicy(Qt::TabFocus);
}

void setBackground(QWidget *widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setColours(QWidget *widget, QColor text, QColor background)
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

QFont font(qreal points, bool bold, bool italic, bool underline)
{
    QFont f(windowFontFamily);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

void nameForScreenReader(QWidget *widget, const QString &name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

QLabel *label(QWidget *parent, const QString &objectName, const QString &text, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(objectName);
    l->setGeometry(geometry);
    return l;
}

QFrame *shape(QWidget *parent, const QString &objectName, const QRect &geometry, QColor fill,
              QColor border)
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

QFrame *horizontalLine(QWidget *parent, const QString &objectName, int x1Twips, int x2Twips,
                       int yTwips, int widthPixels, QColor colour)
{
    return shape(parent, objectName,
                 QRect(Twips::toPixels(x1Twips), Twips::toPixels(yTwips) - widthPixels / 2,
                       Twips::toPixels(x2Twips) - Twips::toPixels(x1Twips), widthPixels),
                 colour);
}

} // namespace WindowSetup
