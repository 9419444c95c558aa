// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class RandomSource;

// The rules of the memory game: eighteen cards hide nine pairs; a card shows a
// product whose factors add up to 10. The board is dealt by the first card click
// and stays as it is until all pairs are found, however often the game is left.
class MemoryGame {
public:
    static constexpr int cardCount = 18;
    static constexpr int pairCount = 9;

    enum class CardLook { FaceDown, FaceUp, Found };
    enum class ClickResult { Ignored, Turned, PairFound, AllPairsFound };
    enum class CardStep { Up, Down, Left, Right };

    // "v * (10 - v)" for the pair value v.
    static QString faceText(int value);
    // The card a step of the keys leads to: up and down its column of nine,
    // across to the other column; at an edge it stays.
    static int cardBeside(int card, CardStep step);

    // Card numbers run from 1 to 18.
    ClickResult clickCard(int card, RandomSource &random);
    // All cards covered again; the next click deals a new board.
    void resetBoard();

    bool isDealt() const { return m_dealt; }
    CardLook look(int card) const;
    // The face while the card is up, empty while it is down.
    QString caption(int card) const;
    // For a screen reader: the card's place and what it shows.
    QString spokenName(int card) const;
    // Digit k is the pair value of card k.
    QString boardValues() const { return m_values; }
    // Digit k is '1' while card k is in play, '0' once its pair is found.
    QString cardsInPlay() const { return m_inPlay; }
    int firstPick() const { return m_firstPick; }
    int secondPick() const { return m_secondPick; }

private:
    void shuffleBoard(RandomSource &random);
    int valueOf(int card) const { return m_values.at(card - 1).digitValue(); }
    bool inPlay(int card) const { return m_inPlay.at(card - 1) == QLatin1Char('1'); }

    bool m_dealt = false;
    QString m_values;
    QString m_inPlay;
    int m_firstPick = 0;
    int m_secondPick = 0;
};
