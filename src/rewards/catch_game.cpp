// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/catch_game.h"

#include "shell/random_source.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>

CatchGame::CatchGame(CatchGameState &state, RandomSource &random)
    : m_state(state)
    , m_random(random)
{
}

void CatchGame::start()
{
    m_state.CursorColumn = startColumn;
    m_state.CursorRow = startRow;
    for (int i = 1; i <= digitCount; ++i) {
        m_state.DigitColumns[i] = qint16(i + 3);
        m_state.DigitRows[i] = qint16(i + 3);
    }
    m_state.DigitsToCatch = allDigits();
    m_marks.clear();
}

CatchTurn CatchGame::move(CatchMove direction)
{
    CatchTurn turn;
    if (isOver())
        return turn;
    turn.prints.append({cursorMark, m_state.CursorColumn, m_state.CursorRow, Ink::Erase});
    int column = m_state.CursorColumn;
    int row = m_state.CursorRow;
    switch (direction) {
    case CatchMove::Left: column = std::max(column - 1, firstColumn); break;
    case CatchMove::Up: row = std::max(row - 1, firstRow); break;
    case CatchMove::Down: row = std::min(row + 1, lastRow); break;
    case CatchMove::Right: column = std::min(column + 1, lastColumn); break;
    }
    m_state.CursorColumn = qint16(column);
    m_state.CursorRow = qint16(row);
    catchStep(turn);
    m_marks.apply(turn.prints);
    return turn;
}

CatchTurn CatchGame::tick()
{
    CatchTurn turn;
    if (isOver())
        return turn;
    printDigits(turn.prints, Ink::Erase);
    turn.prints.append(scatterDigits());
    catchStep(turn);
    m_marks.apply(turn.prints);
    return turn;
}

QList<CellPrint> CatchGame::scatterDigits()
{
    QList<CellPrint> prints;
    const int count = int(m_state.DigitsToCatch.size());
    for (int i = 1; i <= count; ++i) {
        bool clash = true;
        while (clash) {
            // Both values are drawn again whenever either one clashes with an earlier digit.
            m_state.DigitColumns[i] = qint16(m_random.draw(firstColumn, lastColumn));
            m_state.DigitRows[i] = qint16(m_random.draw(firstRow, lastRow));
            clash = false;
            for (int j = 1; j < i && !clash; ++j)
                clash = m_state.DigitColumns[j] == m_state.DigitColumns[i]
                    || m_state.DigitRows[j] == m_state.DigitRows[i];
        }
        prints.append({m_state.DigitsToCatch.at(i - 1), m_state.DigitColumns[i],
                       m_state.DigitRows[i], Ink::Draw});
    }
    return prints;
}

void CatchGame::printDigits(QList<CellPrint> &prints, Ink ink) const
{
    for (int i = 1; i <= m_state.DigitsToCatch.size(); ++i)
        prints.append({m_state.DigitsToCatch.at(i - 1), m_state.DigitColumns[i],
                       m_state.DigitRows[i], ink});
}

void CatchGame::catchStep(CatchTurn &turn)
{
    if (m_state.CursorRow == m_state.DigitRows[1] && m_state.CursorColumn == m_state.DigitColumns[1]) {
        const int count = int(m_state.DigitsToCatch.size());
        for (int i = 1; i < count; ++i) {
            m_state.DigitColumns[i] = m_state.DigitColumns[i + 1];
            m_state.DigitRows[i] = m_state.DigitRows[i + 1];
        }
        m_state.DigitsToCatch.remove(0, 1);
        // The caught digit stays printed under the cursor; only the remaining ones are redrawn.
        printDigits(turn.prints, Ink::Draw);
        turn.caught = true;
    }
    turn.prints.append({cursorMark, m_state.CursorColumn, m_state.CursorRow, Ink::Draw});
    turn.won = isOver();
}

std::optional<CatchMove> CatchGame::stepToward(int column, int row) const
{
    const int across = std::clamp(column, firstColumn, lastColumn) - m_state.CursorColumn;
    const int down = std::clamp(row, firstRow, lastRow) - m_state.CursorRow;
    if (across == 0 && down == 0)
        return std::nullopt;
    if (std::abs(across) >= std::abs(down))
        return across > 0 ? CatchMove::Right : CatchMove::Left;
    return down > 0 ? CatchMove::Down : CatchMove::Up;
}

QString CatchGame::spokenField() const
{
    if (isOver())
        return QStringLiteral("Alle Ziffern gefangen");
    // Only what the field shows is said: before the first jump the digits are not drawn.
    if (look(m_state.DigitColumns[1], m_state.DigitRows[1]).digit != m_state.DigitsToCatch.at(0))
        return QStringLiteral("Die %1: noch nicht zu sehen").arg(nextDigit());
    const int across = m_state.DigitColumns[1] - m_state.CursorColumn;
    const int down = m_state.DigitRows[1] - m_state.CursorRow;
    QStringList steps;
    if (across != 0)
        steps.append(QStringLiteral("%1 %2").arg(std::abs(across)).arg(across > 0 ? QStringLiteral("rechts") : QStringLiteral("links")));
    if (down != 0)
        steps.append(QStringLiteral("%1 %2").arg(std::abs(down)).arg(down > 0 ? QStringLiteral("unten") : QStringLiteral("oben")));
    if (steps.isEmpty())
        steps.append(QStringLiteral("auf dem Plus"));
    return QStringLiteral("Die %1: %2").arg(nextDigit(), steps.join(QStringLiteral(", ")));
}

QString CatchGame::spokenNextDigit() const
{
    return QStringLiteral("Nächste Ziffer: %1").arg(isOver() ? QStringLiteral("keine") : nextDigit());
}

QString CatchGame::spokenSpeed(int seconds)
{
    if (seconds == 1)
        return QStringLiteral("Geschwindigkeit: jede Sekunde ein Sprung");
    return QStringLiteral("Geschwindigkeit: alle %1 Sekunden ein Sprung").arg(seconds);
}
