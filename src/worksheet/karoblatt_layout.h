// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "worksheet/karoblatt_rules.h"
#include "worksheet/written_multiplication.h"

#include <QList>
#include <QString>

// What a box of the squared sheet holds, which sets its size of letters.
enum class BoxKind { Digit, Carry, Number, Heading, Label };
// A given box is printed on both sheets, an answer on the solution sheet only
// (in the second colour); a gap is an answer left out of a finished task.
enum class BoxRole { Given, Answer, Gap };

// Squares of the grid, counted from its top left one.
struct SheetBox {
    int row = 0;
    int column = 0;
    int span = 1;   // squares to the right
    int height = 1; // squares down
    BoxKind kind = BoxKind::Digit;
    BoxRole role = BoxRole::Given;
    QString text;

    bool operator==(const SheetBox &) const = default;
};

// A line along the lower edge of a row of squares.
struct SheetRule {
    int row = 0;
    int column = 0;
    int span = 0;

    bool operator==(const SheetRule &) const = default;
};

struct SheetTask {
    WrittenMultiplication calculation;
    QList<WrittenPlace> gaps; // a gap task leaves these out; a normal task has none
};

// One task laid out from its own top left square.
struct TaskBlock {
    QList<SheetBox> boxes;
    QList<SheetRule> rules;
    int width = 0;
    int height = 0;
};

struct SheetPage {
    QList<SheetBox> boxes;
    QList<SheetRule> rules;
};

// The squared sheet as an exercise book has it: the task row with one digit
// and the sign in a square each, the partial products stepping to the right
// under their multiplier digits, the carries in small boxes above the rule,
// the result under it, and room to work below each task.
namespace KaroblattLayout {
inline constexpr int gridColumns = 36;
inline constexpr int gridRows = 54;
inline constexpr int headRows = 5;      // title, a free row, name and date, a free row
inline constexpr int numberColumns = 2; // "12)" left of each task
inline constexpr int workRows = 2;      // free under each task
inline const QString sign = QStringLiteral("·");

// A one-row task carries while it multiplies, under the multiplicand's
// digits; a multi-row task while it adds up the rows, above the sum.
TaskBlock taskBlock(const SheetTask &task, bool staircase);
// The tasks in numbered bands across the pages, never one split over two;
// every page has the head. A staircase leaves out the zeros of the places.
QList<SheetPage> pages(const QString &title, const QList<SheetTask> &tasks, bool staircase);
} // namespace KaroblattLayout
