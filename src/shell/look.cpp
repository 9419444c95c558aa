// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/look.h"

#include "shell/window_setup.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPalette>

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

namespace {
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

QFrame *multiplicationDot(QWidget *parent, const QString &objectName, const QRect &geometry)
{
    auto *dot = new Dot(parent);
    dot->setObjectName(objectName);
    dot->setGeometry(geometry);
    dot->setAttribute(Qt::WA_TransparentForMouseEvents);
    return dot;
}

} // namespace Look
