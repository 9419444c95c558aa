// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/memory_game.h"

#include "shell/random_source.h"
#include "support/reward_draws.h"

#include <QtTest/QTest>

using Look = MemoryGame::CardLook;
using Result = MemoryGame::ClickResult;
using Looks = QList<std::pair<int, Look>>; // cards and how they lie

namespace {
QList<Look> looks(const MemoryGame &game)
{
    QList<Look> all;
    for (int card = 1; card <= MemoryGame::cardCount; ++card)
        all.append(game.look(card));
    return all;
}

QList<Look> allDownBut(const Looks &others)
{
    QList<Look> all(MemoryGame::cardCount, Look::FaceDown);
    for (const auto &[card, look] : others)
        all[card - 1] = look;
    return all;
}
} // namespace

class TestMemoryGame : public QObject {
    Q_OBJECT
private slots:
    void faceShowsFactorsAddingUpToTen();
    void firstClickDealsSkippingSlotsAlreadyTaken();
    void everyDealHoldsEachValueExactlyTwice();
    void clicksTurnCardsAsTheRulesSay_data();
    void clicksTurnCardsAsTheRulesSay();
    void screenReaderHearsEachCardsPlaceAndFace_data();
    void screenReaderHearsEachCardsPlaceAndFace();
};

void TestMemoryGame::faceShowsFactorsAddingUpToTen()
{
    QStringList faces;
    for (int value = 1; value <= 9; ++value)
        faces.append(MemoryGame::faceText(value));
    QCOMPARE(faces, (QStringList{"1 * 9", "2 * 8", "3 * 7", "4 * 6", "5 * 5", "6 * 4", "7 * 3", "8 * 2", "9 * 1"}));
}

void TestMemoryGame::firstClickDealsSkippingSlotsAlreadyTaken()
{
    // Value i goes to the slot drawn for it; the second "1" draws slot 1 again, which is taken, then slot 18.
    QList<int> picks{1, 1, 18};
    for (int slot = 2; slot <= 17; ++slot)
        picks.append(slot);
    ScriptedRandom random(memorySlotDraws(picks));
    MemoryGame game;
    QCOMPARE(game.clickCard(1, random), Result::Turned); // the first click deals the board
    QCOMPARE(game.boardValues(), QStringLiteral("122334455667788991"));
    QCOMPARE(random.remaining() + random.exhausted() + random.reseeds(), 0); // the game never seeds
}

void TestMemoryGame::everyDealHoldsEachValueExactlyTwice()
{
    MixingRandomSource random(20240611u);
    for (int deal = 0; deal < 1000; ++deal) {
        MemoryGame game;
        game.clickCard(1 + deal % MemoryGame::cardCount, random);
        const QString values = game.boardValues();
        QCOMPARE(values.size(), 18);
        for (char value = '1'; value <= '9'; ++value)
            QCOMPARE(values.count(QLatin1Char(value)), 2);
    }
}

void TestMemoryGame::clicksTurnCardsAsTheRulesSay_data()
{
    // With the ordered deal, cards 2k - 1 and 2k are a pair.
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<Result>("lastResult");
    QTest::addColumn<Looks>("open"); // every other card is face down
    const Look up = Look::FaceUp;
    const Look found = Look::Found;
    QTest::newRow("clicking the single open card again changes nothing") << QList{3, 3} << Result::Ignored << Looks{{3, up}};
    QTest::newRow("the single open card still waits for its partner")
        << QList{3, 3, 4} << Result::PairFound << Looks{{3, found}, {4, found}};
    QTest::newRow("two unequal cards stay open") << QList{1, 3} << Result::Turned << Looks{{1, up}, {3, up}};
    QTest::newRow("another card in play turns them down and opens") << QList{1, 3, 7} << Result::Turned << Looks{{7, up}};
    QTest::newRow("the first of the open two turns them down and opens") << QList{1, 3, 1} << Result::Turned << Looks{{1, up}};
    QTest::newRow("the second of the open two turns them down and opens") << QList{1, 3, 3} << Result::Turned << Looks{{3, up}};
    QTest::newRow("two equal cards are found at once") << QList{2, 1} << Result::PairFound << Looks{{1, found}, {2, found}};
    QTest::newRow("the click after a found pair turns nothing down")
        << QList{2, 1, 3} << Result::Turned << Looks{{1, found}, {2, found}, {3, up}};
    QTest::newRow("a click on a found card leaves an unequal pair open")
        << QList{2, 1, 3, 5, 2} << Result::Ignored << Looks{{1, found}, {2, found}, {3, up}, {5, up}};
}

void TestMemoryGame::clicksTurnCardsAsTheRulesSay()
{
    QFETCH(QList<int>, clicks);
    QFETCH(Result, lastResult);
    QFETCH(Looks, open);
    ScriptedRandom random(orderedMemoryDeal());
    MemoryGame game;
    Result result = Result::Ignored;
    for (int card : clicks)
        result = game.clickCard(card, random);
    QCOMPARE(result, lastResult);
    QCOMPARE(looks(game), allDownBut(open));
    for (const auto &[card, look] : open) // open and found cards show their faces
        QCOMPARE(game.caption(card), MemoryGame::faceText((card + 1) / 2));
}

void TestMemoryGame::screenReaderHearsEachCardsPlaceAndFace_data()
{
    // With the ordered deal card 15 and card 16 show "8 * 2".
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("card");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("a card before the deal") << QList<int>{} << 5 << "Karte 5: verdeckt";
    QTest::newRow("a card turned up") << QList{15} << 15 << "Karte 15: 8 * 2";
    QTest::newRow("a card still down") << QList{15} << 16 << "Karte 16: verdeckt";
    QTest::newRow("a found pair") << QList{15, 16} << 16 << "Karte 16: gefunden, 8 * 2";
    QTest::newRow("an unequal pair turned back") << QList{15, 3, 1} << 15 << "Karte 15: verdeckt";
}

void TestMemoryGame::screenReaderHearsEachCardsPlaceAndFace()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, card);
    QFETCH(QString, spoken);
    ScriptedRandom random(orderedMemoryDeal());
    MemoryGame game;
    for (int k : clicks)
        game.clickCard(k, random);
    QCOMPARE(game.spokenName(card), spoken);
}

QTEST_APPLESS_MAIN(TestMemoryGame)
#include "test_memory_game.moc"
