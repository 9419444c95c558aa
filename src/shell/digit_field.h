#pragma once

#include <QLabel>

// A label that takes one dropped digit tile and nothing else.
class DigitField : public QLabel {
    Q_OBJECT
public:
    explicit DigitField(QWidget *parent);

signals:
    void digitDropped(const QString &digit);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
