// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/catch_marks.h"

namespace {
constexpr QChar cursorMark = QLatin1Char('+');
} // namespace

void CatchMarks::apply(const QList<CellPrint> &prints)
{
    for (const CellPrint &print : prints) {
        QString &cell = m_cells[key(print.column, print.row)];
        cell.remove(print.character);
        if (print.ink == Ink::Draw)
            cell.append(print.character);
        else if (cell.isEmpty())
            m_cells.remove(key(print.column, print.row));
    }
}

CellLook CatchMarks::look(int column, int row, const QString &digitsToCatch) const
{
    CellLook look;
    const QString cell = at(column, row);
    for (const QChar c : cell) {
        if (c == cursorMark) {
            look.cursor = true;
        } else if (!look.toCatch || digitsToCatch.contains(c)) {
            look.digit = c;
            look.toCatch = digitsToCatch.contains(c);
        }
    }
    return look;
}
