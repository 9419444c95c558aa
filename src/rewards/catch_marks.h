// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QHash>
#include <QList>
#include <QString>

// Print in the drawing colour, or in the background colour, which wipes an earlier print.
enum class Ink { Draw, Erase };

// One character printed into a cell of the play field.
struct CellPrint {
    QChar character;
    int column = 0;
    int row = 0;
    Ink ink = Ink::Draw;

    friend bool operator==(const CellPrint &, const CellPrint &) = default;
};

// What one cell of the play field shows.
struct CellLook {
    QChar digit; // null where no digit stands
    bool toCatch = false; // the digit is one still to catch
    bool cursor = false; // the "+" stands here

    friend bool operator==(const CellLook &, const CellLook &) = default;
};

// The play field as the game's prints leave it, with no print damaging another:
// a print puts its character into its cell, a wiping print takes exactly that
// character out again, whatever else the cell holds.
class CatchMarks {
public:
    void clear() { m_cells.clear(); }
    void apply(const QList<CellPrint> &prints);

    // The characters in a cell, the one printed last at the end.
    QString at(int column, int row) const { return m_cells.value(key(column, row)); }
    // A digit still to catch stands over a caught one; the "+" beside a digit shows with it.
    CellLook look(int column, int row, const QString &digitsToCatch) const;

private:
    static int key(int column, int row) { return column * 64 + row; }

    QHash<int, QString> m_cells;
};
