// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/catch_board.h"

#include "rewards/catch_game.h"
#include "shell/look.h"
#include "shell/twips.h"
#include "shell/window_setup.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// The play field's frame, in twips of the window; cell (c, r) starts at 280 c, 280 r.
constexpr int fieldLeft = 120;
constexpr int fieldTop = 720;
constexpr int fieldWidth = 6975;
constexpr int fieldHeight = 4215;
constexpr int cellTwips = 14 * 20;
constexpr qreal markPoints = 13.5;
constexpr qreal cellPoints = 14;
} // namespace

CatchBoard::CatchBoard(const CatchGame &game, QWidget *parent)
    : QWidget(parent)
    , m_game(game)
{
    setObjectName(QStringLiteral("Figur2"));
    setGeometry(Twips::rect(fieldLeft, fieldTop, fieldWidth, fieldHeight));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(QStringLiteral("Spielfeld: die Pfeiltasten bewegen das Plus, ein Tipp auf ein Feld "
                                            "schickt es dorthin"));
    showGame();
}

void CatchBoard::showGame()
{
    // Only a change is announced to a screen reader.
    const QString spoken = m_game.spokenField();
    if (accessibleName() != spoken)
        setAccessibleName(spoken);
    update();
}

// Pixels of this widget (device pixels if asked) to one pixel of the layout, across and down.
QSizeF CatchBoard::scale(qreal ratio) const
{
    return QSizeF(width() * ratio / Twips::toPixels(fieldWidth), height() * ratio / Twips::toPixels(fieldHeight));
}

QRect CatchBoard::cellPixels(int column, int row) const
{
    const QSizeF s = scale(devicePixelRatioF());
    // Whole pixels at the cells' edges, so neighbouring cells touch without overlapping.
    const auto edge = [](int cell, int firstTwips, qreal scale) {
        return qRound(qreal(cell * cellTwips - firstTwips) / Twips::perPixel * scale);
    };
    const int left = edge(column, fieldLeft, s.width());
    const int top = edge(row, fieldTop, s.height());
    return QRect(left, top, edge(column + 1, fieldLeft, s.width()) - left, edge(row + 1, fieldTop, s.height()) - top);
}

QPoint CatchBoard::cellAt(QPointF position) const
{
    const QSizeF s = scale(1);
    const auto cell = [](qreal pixels, qreal scale, int firstTwips) {
        return int(std::floor((pixels / scale * Twips::perPixel + firstTwips) / cellTwips));
    };
    // A tap on the frame's margin counts for the cell nearest to it.
    return QPoint(std::clamp(cell(position.x(), s.width(), fieldLeft), CatchGame::firstColumn, CatchGame::lastColumn),
                  std::clamp(cell(position.y(), s.height(), fieldTop), CatchGame::firstRow, CatchGame::lastRow));
}

void CatchBoard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Look::shadowInk);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    // Painted in whole device pixels, so a digit looks the same in every cell.
    const qreal ratio = devicePixelRatioF();
    QImage marks(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    marks.fill(Qt::transparent);
    const QSizeF cell = scale(ratio) * (qreal(cellTwips) / Twips::perPixel);
    QFont font = WindowSetup::font(markPoints, true);
    font.setPixelSize(std::max(1, qRound(cell.height() * markPoints / cellPoints)));
    const QFontMetrics metrics(font);
    QPainter ink(&marks);
    ink.setFont(font);
    ink.setPen(Look::ink);
    for (int column = CatchGame::firstColumn; column <= CatchGame::lastColumn; ++column) {
        for (int row = CatchGame::firstRow; row <= CatchGame::lastRow; ++row) {
            const CellLook look = m_game.look(column, row);
            if (look.digit.isNull() && !look.cursor)
                continue;
            const QRect box = cellPixels(column, row);
            ink.setClipRect(box);
            // The "+" on a digit lights the cell rather than covering the digit.
            if (look.cursor && !look.digit.isNull())
                ink.fillRect(box, Look::cursorOnDigit);
            const QChar mark = look.digit.isNull() ? CatchGame::cursorMark : look.digit;
            const QRect glyph = metrics.boundingRect(mark);
            const QPoint offset(qRound((cell.width() - glyph.width()) / 2) - glyph.x(),
                                qRound((cell.height() - glyph.height()) / 2) - glyph.y());
            ink.drawText(box.topLeft() + offset, QString(mark));
        }
    }
    ink.end();
    marks.setDevicePixelRatio(ratio);
    painter.drawImage(QPoint(0, 0), marks);
}

// The press is kept here, so only a tap that ends on the field counts.
void CatchBoard::mousePressEvent(QMouseEvent *event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void CatchBoard::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    const QPoint cell = cellAt(event->position());
    emit cellTapped(cell.x(), cell.y());
}
