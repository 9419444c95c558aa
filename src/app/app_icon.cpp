// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_icon.h"

#include <QColor>
#include <QFile>
#include <QPainter>
#include <QXmlStreamReader>

namespace {

// The icon file uses rect, line and circle with plain presentation
// attributes; this painter knows exactly those.
struct Drawing {
    QSizeF viewBox;
    int unknown = 0;
    bool valid = false;
};

qreal number(const QXmlStreamAttributes &attributes, const char *name, qreal fallback = 0)
{
    const auto value = attributes.value(QLatin1String(name));
    bool ok = false;
    const qreal n = value.toDouble(&ok);
    return ok ? n : fallback;
}

QPen penOf(const QXmlStreamAttributes &attributes)
{
    const auto stroke = attributes.value(QLatin1String("stroke"));
    if (stroke.isEmpty() || stroke == QLatin1String("none"))
        return Qt::NoPen;
    QPen pen(QColor::fromString(stroke), number(attributes, "stroke-width", 1));
    pen.setCapStyle(attributes.value(QLatin1String("stroke-linecap")) == QLatin1String("round")
                        ? Qt::RoundCap
                        : Qt::FlatCap);
    return pen;
}

QBrush brushOf(const QXmlStreamAttributes &attributes)
{
    const auto fill = attributes.value(QLatin1String("fill"));
    if (fill == QLatin1String("none"))
        return Qt::NoBrush;
    return fill.isEmpty() ? QBrush(Qt::black) : QBrush(QColor::fromString(fill));
}

// Walks the file once; paints when a painter is given, otherwise only reads.
Drawing walk(const QString &svgFile, QPainter *painter, int size)
{
    Drawing drawing;
    QFile file(svgFile);
    if (!file.open(QIODevice::ReadOnly))
        return drawing;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        const QXmlStreamAttributes a = xml.attributes();
        if (name == QLatin1String("svg")) {
            const QList<QStringView> box = a.value(QLatin1String("viewBox")).split(QLatin1Char(' '));
            if (box.size() == 4)
                drawing.viewBox = QSizeF(box[2].toDouble(), box[3].toDouble());
            drawing.valid = !drawing.viewBox.isEmpty();
            if (painter && drawing.valid)
                painter->scale(size / drawing.viewBox.width(), size / drawing.viewBox.height());
            continue; // descend into the drawing
        }
        if (painter) {
            painter->setPen(penOf(a));
            painter->setBrush(brushOf(a));
        }
        if (name == QLatin1String("rect")) {
            const QRectF r(number(a, "x"), number(a, "y"), number(a, "width"), number(a, "height"));
            const qreal rx = number(a, "rx");
            if (painter)
                painter->drawRoundedRect(r, rx, number(a, "ry", rx));
        } else if (name == QLatin1String("line")) {
            if (painter)
                painter->drawLine(QPointF(number(a, "x1"), number(a, "y1")),
                                  QPointF(number(a, "x2"), number(a, "y2")));
        } else if (name == QLatin1String("circle")) {
            const qreal r = number(a, "r");
            if (painter)
                painter->drawEllipse(QPointF(number(a, "cx"), number(a, "cy")), r, r);
        } else {
            ++drawing.unknown;
        }
        xml.skipCurrentElement();
    }
    drawing.valid = drawing.valid && !xml.hasError();
    return drawing;
}

} // namespace

namespace AppIcon {

QPixmap render(int size, const QString &svgFile)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!walk(svgFile, &painter, size).valid)
        return QPixmap();
    return pixmap;
}

int unknownElements(const QString &svgFile)
{
    return walk(svgFile, nullptr, 0).unknown;
}

QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(render(size));
    return icon;
}

} // namespace AppIcon
