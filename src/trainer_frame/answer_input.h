// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <utility>

class CalculationView;
class DigitTile;
class QKeyEvent;
class QWidget;
class TrainerModel;

// How a digit reaches a trainer's calculation besides the drag: by key into
// the field that holds the focus frame, which Tab and the arrows move in
// writing order, or by a tap on a tile and then one on a field. Exactly one
// field shows the frame while the keys write into the calculation; after any
// change that moves or hides cells it stands on the first empty field in
// writing order. A dragged tile's digit waits until its drag has finished.
class AnswerInput : public QObject {
    Q_OBJECT
public:
    AnswerInput(TrainerModel &model, CalculationView &view, QWidget *window);

    void addTile(DigitTile *tile);
    // The field the keys write into, -1 while the frame stands on none.
    int framedCell() const { return m_framed; }
    // While something covers the calculation (a worksheet) no digit reaches it.
    void setCovered(bool covered);

    // The focus frame on the first field to write, or on the window when there is none.
    void standOnFirstField();
    // Tab and Shift+Tab: the fields in writing order, then `commands`, round.
    bool moveFocus(bool next, const QList<QWidget *> &commands);
    // The arrows and Escape; false for any other key.
    bool handleKey(QKeyEvent *event);
    void putTileBack();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void queueDrop(int cell, int digit);
    void enterDigit(int cell, int digit);
    void processDrops();
    void focusCell(int cell);
    void frameCell(int cell);
    void focusChanged(QWidget *now);
    void tileTapped(DigitTile *tile);
    void fieldTapped(int cell);

    TrainerModel &m_model;
    CalculationView &m_view;
    QWidget *m_window;
    DigitTile *m_pickedTile = nullptr;
    int m_framed = -1;
    bool m_covered = false;
    QList<std::pair<int, int>> m_pendingDrops;
    bool m_processingDrops = false;
};
