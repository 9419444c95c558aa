#include "shell/picture_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

PictureButton::PictureButton(const QPixmap &picture, const QString &accessibleName, QWidget *parent)
    : QAbstractButton(parent)
    , m_picture(picture)
{
    setAccessibleName(accessibleName);
    setToolTip(accessibleName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

QSize PictureButton::sizeHint() const
{
    return m_picture.size();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPoint offset = isDown() ? QPoint(1, 1) : QPoint();
    painter.drawPixmap(rect().translated(offset), m_picture);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
