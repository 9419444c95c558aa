// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/memory_game.h"

#include "shell/random_source.h"

namespace {
constexpr QChar freeSlot = QLatin1Char('0');
constexpr QChar cardInPlay = QLatin1Char('1');
constexpr QChar pairFound = QLatin1Char('0');
const QString pairValues = QStringLiteral("112233445566778899");
constexpr int cardsPerColumn = MemoryGame::cardCount / 2;
} // namespace

QString MemoryGame::faceText(int value)
{
    return QStringLiteral("%1 * %2").arg(value).arg(10 - value);
}

int MemoryGame::cardBeside(int card, CardStep step)
{
    const int place = (card - 1) % cardsPerColumn;
    const bool left = card <= cardsPerColumn;
    switch (step) {
    case CardStep::Up: return place > 0 ? card - 1 : card;
    case CardStep::Down: return place < cardsPerColumn - 1 ? card + 1 : card;
    case CardStep::Left: return left ? card : card - cardsPerColumn;
    case CardStep::Right: return left ? card + cardsPerColumn : card;
    }
    return card;
}

MemoryGame::ClickResult MemoryGame::clickCard(int card, RandomSource &random)
{
    if (card < 1 || card > cardCount)
        return ClickResult::Ignored;
    if (!m_dealt) {
        shuffleBoard(random);
        m_dealt = true;
        m_firstPick = 0;
        m_secondPick = 0;
    }
    if (!inPlay(card))
        return ClickResult::Ignored;
    if (m_firstPick > 0 && m_secondPick > 0) {
        // An unmatched pair stays open until this click, which turns it back first.
        m_firstPick = 0;
        m_secondPick = 0;
    }
    if (m_firstPick == 0) {
        m_firstPick = card;
        return ClickResult::Turned;
    }
    if (card == m_firstPick)
        return ClickResult::Ignored;
    m_secondPick = card;
    if (valueOf(m_firstPick) != valueOf(m_secondPick))
        return ClickResult::Turned;
    m_inPlay[m_firstPick - 1] = pairFound;
    m_inPlay[m_secondPick - 1] = pairFound;
    m_firstPick = 0;
    m_secondPick = 0;
    return m_inPlay.contains(cardInPlay) ? ClickResult::PairFound : ClickResult::AllPairsFound;
}

void MemoryGame::resetBoard()
{
    m_dealt = false;
    m_firstPick = 0;
    m_secondPick = 0;
}

MemoryGame::CardLook MemoryGame::look(int card) const
{
    if (!m_dealt || card < 1 || card > cardCount)
        return CardLook::FaceDown;
    if (!inPlay(card))
        return CardLook::Found;
    if (card == m_firstPick || card == m_secondPick)
        return CardLook::FaceUp;
    return CardLook::FaceDown;
}

QString MemoryGame::caption(int card) const
{
    return look(card) == CardLook::FaceDown ? QString() : faceText(valueOf(card));
}

QString MemoryGame::spokenName(int card) const
{
    QString shows;
    switch (look(card)) {
    case CardLook::FaceDown: shows = QStringLiteral("verdeckt"); break;
    case CardLook::FaceUp: shows = caption(card); break;
    case CardLook::Found: shows = QStringLiteral("gefunden, ") + caption(card); break;
    }
    return QStringLiteral("Karte %1: %2").arg(card).arg(shows);
}

void MemoryGame::shuffleBoard(RandomSource &random)
{
    QString board(cardCount, freeSlot);
    for (int i = 0; i < cardCount; ++i) {
        int slot = 0;
        do
            slot = random.draw(1, cardCount);
        while (board.at(slot - 1) != freeSlot);
        board[slot - 1] = pairValues.at(i);
    }
    m_values = board;
    m_inPlay = QString(cardCount, cardInPlay);
}
