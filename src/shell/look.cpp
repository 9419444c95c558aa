// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/look.h"

#include "shell/window_setup.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOptionButton>

namespace Look {

void styleCell(QLabel *label, const CellStyle &style, bool framed)
{
    label->setAlignment(Qt::AlignCenter);
    label->setFont(WindowSetup::font(style.points, true));
    WindowSetup::setColours(label, style.ink, style.background);
    label->setFrameShape(framed ? QFrame::Box : QFrame::NoFrame);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Light, fieldBorder);
    palette.setColor(QPalette::Dark, fieldBorder);
    label->setPalette(palette);
}

void paintFocusFrame(QPainter &painter, const QRect &edge)
{
    // Each ring's pen runs along the middle of its band, so both bands are whole pixels.
    const QRectF outer(edge);
    const qreal half = focusRingWidth / 2.0;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(focusFrame, focusRingWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(outer.adjusted(half, half, -half, -half));
    painter.setPen(QPen(focusFrameInner, focusRingWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(outer.adjusted(3 * half, 3 * half, -3 * half, -3 * half));
    painter.restore();
}

namespace {
class FocusFrameStyle final : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (element != CE_PushButton || !button || !(option->state & State_HasFocus)) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        // A command's frame goes round the whole button, in place of the style's own hint.
        QStyleOptionButton plain = *button;
        plain.state &= ~State_HasFocus;
        QProxyStyle::drawControl(element, &plain, painter, widget);
        paintFocusFrame(*painter, option->rect);
    }
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameFocusRect)
            paintFocusFrame(*painter, option->rect);
        else
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

// A filled circle as large as its box, whatever size the box takes.
class Dot final : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(QRectF(rect()));
    }
};
} // namespace

QStyle *focusFrameStyle()
{
    return new FocusFrameStyle;
}

QFrame *multiplicationDot(QWidget *parent, const QString &objectName, const QRect &geometry)
{
    auto *dot = new Dot(parent);
    dot->setObjectName(objectName);
    dot->setGeometry(geometry);
    dot->setAttribute(Qt::WA_TransparentForMouseEvents);
    return dot;
}

} // namespace Look
