#include "shell/digit_field.h"

#include "shell/digit_drag.h"

#include <QDragEnterEvent>
#include <QDropEvent>

DigitField::DigitField(QWidget *parent)
    : QLabel(parent)
{
    setAcceptDrops(true);
    setAlignment(Qt::AlignCenter);
}

void DigitField::dragEnterEvent(QDragEnterEvent *event)
{
    if (DigitDrag::digitOf(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DigitField::dragMoveEvent(QDragMoveEvent *event)
{
    if (DigitDrag::digitOf(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DigitField::dropEvent(QDropEvent *event)
{
    const QString digit = DigitDrag::digitOf(event->mimeData());
    if (digit.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit digitDropped(digit);
}
