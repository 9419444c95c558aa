// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/answer_input.h"

#include "shell/digit_field.h"
#include "shell/digit_tile.h"
#include "trainer_frame/calculation_view.h"
#include "trainer_frame/trainer_model.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

AnswerInput::AnswerInput(TrainerModel &model, CalculationView &view, QWidget *window)
    : QObject(window)
    , m_model(model)
    , m_view(view)
    , m_window(window)
{
    connect(&view, &CalculationView::digitDropped, this, &AnswerInput::queueDrop);
    connect(&view, &CalculationView::digitTyped, this, &AnswerInput::enterDigit);
    connect(&view, &CalculationView::fieldTapped, this, &AnswerInput::fieldTapped);
    connect(&model, &TrainerModel::rearranged, this, &AnswerInput::standOnFirstField);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusChanged(now); });
}

void AnswerInput::addTile(DigitTile *tile)
{
    connect(tile, &QAbstractButton::clicked, this, [this, tile] { tileTapped(tile); });
}

void AnswerInput::setCovered(bool covered)
{
    m_covered = covered;
    putTileBack();
    if (!covered)
        standOnFirstField();
}

void AnswerInput::standOnFirstField()
{
    const int first = m_model.firstToWrite();
    if (first >= 0 && !m_covered) {
        focusCell(first);
    } else {
        frameCell(-1);
        m_window->setFocus(Qt::OtherFocusReason);
    }
}

// The frame is set here, not left to focus events: while a message box is
// open the window gets none, and a frame would stay behind on the field left.
void AnswerInput::focusCell(int cell)
{
    DigitField *field = m_view.field(cell);
    if (!field)
        return;
    frameCell(cell);
    field->setFocus(Qt::OtherFocusReason);
}

void AnswerInput::frameCell(int cell)
{
    if (cell == m_framed)
        return;
    if (DigitField *old = m_view.field(m_framed))
        old->setFramed(false);
    m_framed = cell;
    if (DigitField *now = m_view.field(cell))
        now->setFramed(true);
}

// Tab to a command takes the frame off the fields; a field that gets the focus takes it.
void AnswerInput::focusChanged(QWidget *now)
{
    if (!now || now->window() != m_window)
        return;
    const int cell = m_view.cellOf(now);
    frameCell(m_view.field(cell) ? cell : -1);
}

bool AnswerInput::moveFocus(bool next, const QList<QWidget *> &commands)
{
    QList<QWidget *> ring;
    if (!m_covered)
        for (int cell : m_model.writingCells())
            ring.append(m_view.field(cell));
    for (QWidget *command : commands)
        if ((command->focusPolicy() & Qt::TabFocus) && command->isVisible() && command->isEnabled())
            ring.append(command);
    if (ring.isEmpty())
        return false;
    const int at = int(ring.indexOf(m_window->focusWidget()));
    const int count = int(ring.size());
    const int to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    ring.at(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool AnswerInput::handleKey(QKeyEvent *event)
{
    static const QHash<int, Move> moves{
        {Qt::Key_Left, Move::Left}, {Qt::Key_Right, Move::Right}, {Qt::Key_Up, Move::Up}, {Qt::Key_Down, Move::Down}};
    const int cell = m_view.cellOf(m_window->focusWidget());
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    if (m_view.field(cell) && moves.contains(event->key()) && plain) {
        focusCell(m_model.neighbour(cell, moves.value(event->key())));
        return true;
    }
    if (event->key() == Qt::Key_Escape && m_pickedTile) {
        putTileBack();
        return true;
    }
    return false;
}

// A drop is handled once the drag has finished, so the message box about a
// wrong digit never opens inside the drag; drops arriving meanwhile wait in turn.
void AnswerInput::queueDrop(int cell, int digit)
{
    m_pendingDrops.append({cell, digit});
    QTimer::singleShot(0, this, &AnswerInput::processDrops);
}

void AnswerInput::enterDigit(int cell, int digit)
{
    if (m_covered)
        return;
    m_pendingDrops.append({cell, digit});
    processDrops();
}

// The frame goes to the field the digit is put into, so a message about it
// stands clear of it; after a right digit it goes on to the next empty field,
// after a wrong one it stays; a solved task has put it on the next task's first field.
void AnswerInput::processDrops()
{
    if (m_processingDrops)
        return;
    m_processingDrops = true;
    putTileBack();
    while (!m_pendingDrops.isEmpty()) {
        const auto [cell, digit] = m_pendingDrops.takeFirst();
        if (m_covered || !m_model.takesDigit(cell))
            continue;
        focusCell(cell);
        if (m_model.dropDigit(cell, digit) == DropOutcome::Right) {
            const int next = m_model.nextToWrite(cell);
            focusCell(next < 0 ? cell : next);
        }
    }
    m_processingDrops = false;
}

// A tap picks a tile up, a tap on the tile in hand puts it back; while one is
// held, a press anywhere but on a field or a tile puts it back too.
void AnswerInput::tileTapped(DigitTile *tile)
{
    const bool wasPicked = tile == m_pickedTile;
    putTileBack();
    if (wasPicked || m_covered)
        return;
    m_pickedTile = tile;
    tile->setPicked(true);
    qApp->installEventFilter(this);
}

void AnswerInput::putTileBack()
{
    if (!m_pickedTile)
        return;
    m_pickedTile->setPicked(false);
    m_pickedTile = nullptr;
    qApp->removeEventFilter(this);
}

// A tap on a field with a tile in hand drops the tile's digit there (without
// one, the press has just put the focus there).
void AnswerInput::fieldTapped(int cell)
{
    if (!m_pickedTile)
        return;
    const int digit = m_pickedTile->digit();
    putTileBack();
    enterDigit(cell, digit);
}

bool AnswerInput::eventFilter(QObject *watched, QEvent *event)
{
    // A press reaches its window's QWindow first, then the widget under it: the widget tells.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (event->type() == QEvent::MouseButtonPress && widget) {
        const bool ownField = widget->window() == m_window && m_view.field(m_view.cellOf(widget));
        if (!ownField && widget != m_pickedTile)
            putTileBack();
    }
    return QObject::eventFilter(watched, event);
}
