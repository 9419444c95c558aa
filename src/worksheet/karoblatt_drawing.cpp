// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/karoblatt_drawing.h"

namespace {
using namespace KaroblattDrawing;

constexpr qreal gridWidth = 0.12;
constexpr qreal ruleWidth = 0.4;
constexpr qreal gapFrameWidth = 0.35;
constexpr qreal gapFrameInset = 0.5;
constexpr qreal carryBoxSize = 3;
constexpr qreal carryBoxWidth = 0.12;
constexpr qreal textIndent = 0.8; // a text written from a square's edge keeps off its line

qreal pointsOf(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Digit:
        return 13;
    case BoxKind::Carry:
        return 7;
    case BoxKind::Number:
        return 9;
    case BoxKind::Heading:
        return 16;
    case BoxKind::Label:
        break;
    }
    return 11;
}

void frame(DrawnPage &page, const QRectF &box, qreal width)
{
    const QPointF corners[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    for (int i = 0; i < 4; ++i)
        page.lines.append({QLineF(corners[i], corners[(i + 1) % 4]), width, PageInk::Print});
}

void addGrid(DrawnPage &page)
{
    const QRectF grid = squares(0, 0, KaroblattLayout::gridColumns, KaroblattLayout::gridRows);
    for (int column = 0; column <= KaroblattLayout::gridColumns; ++column) {
        const qreal x = grid.left() + column * squareMillimetres;
        page.lines.append({QLineF(x, grid.top(), x, grid.bottom()), gridWidth, PageInk::Grid});
    }
    for (int row = 0; row <= KaroblattLayout::gridRows; ++row) {
        const qreal y = grid.top() + row * squareMillimetres;
        page.lines.append({QLineF(grid.left(), y, grid.right(), y), gridWidth, PageInk::Grid});
    }
}

void addBox(DrawnPage &page, const SheetBox &box, SheetSide side)
{
    QRectF place = squares(box.row, box.column, box.span, box.height);
    if (box.role == BoxRole::Gap)
        frame(page, place.adjusted(gapFrameInset, gapFrameInset, -gapFrameInset, -gapFrameInset), gapFrameWidth);
    if (box.kind == BoxKind::Carry) {
        // A small box low in its square, near the rule the carry is added over.
        place = QRectF(place.center().x() - carryBoxSize / 2, place.bottom() - carryBoxSize - 0.6, carryBoxSize,
                       carryBoxSize);
        frame(page, place, carryBoxWidth);
    }
    const bool given = box.role == BoxRole::Given;
    if (!given && side == SheetSide::Tasks)
        return;
    const bool centred = box.kind == BoxKind::Digit || box.kind == BoxKind::Carry;
    if (!centred)
        place.adjust(textIndent, 0, 0, 0);
    page.texts.append({place, box.text, pointsOf(box.kind), given ? PageInk::Print : PageInk::Solution,
                       box.kind == BoxKind::Heading, centred});
}
} // namespace

QRectF KaroblattDrawing::squares(int row, int column, int span, int height)
{
    return QRectF(gridLeft + column * squareMillimetres, gridTop + row * squareMillimetres,
                  span * squareMillimetres, height * squareMillimetres);
}

DrawnDocument KaroblattDrawing::document(const QList<SheetPage> &pages, SheetSide side)
{
    DrawnDocument document;
    document.fontFamily = fontFamily;
    for (const SheetPage &sheetPage : pages) {
        DrawnPage page;
        addGrid(page);
        for (const SheetRule &rule : sheetPage.rules) {
            const QRectF under = squares(rule.row, rule.column, rule.span);
            page.lines.append({QLineF(under.bottomLeft(), under.bottomRight()), ruleWidth, PageInk::Print});
        }
        for (const SheetBox &box : sheetPage.boxes)
            addBox(page, box, side);
        document.pages.append(page);
    }
    return document;
}
