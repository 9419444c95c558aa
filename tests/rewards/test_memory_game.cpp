#include "rewards/memory_game.h"

#include "shell/random_source.h"
#include "support/scripted_random.h"

#include <QtTest/QTest>

using Look = MemoryGame::CardLook;
using Result = MemoryGame::ClickResult;

namespace {
// Draws that pick these picks (1 to 18) in turn.
QList<double> slotDraws(const QList<int> &picks)
{
    QList<double> draws;
    for (int slot : picks)
        draws.append(ScriptedRandom::forDigit(slot, 1, MemoryGame::cardCount));
    return draws;
}

// Card k gets value (k + 1) / 2: the pairs are (1, 2), (3, 4), … (17, 18).
QList<double> orderedDeal()
{
    QList<int> picks;
    for (int slot = 1; slot <= MemoryGame::cardCount; ++slot)
        picks.append(slot);
    return slotDraws(picks);
}

QList<Look> looks(const MemoryGame &game)
{
    QList<Look> all;
    for (int card = 1; card <= MemoryGame::cardCount; ++card)
        all.append(game.look(card));
    return all;
}

QList<Look> allDownBut(const QList<std::pair<int, Look>> &others)
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
    void faceShowsFactorsAddingUpToTen_data();
    void faceShowsFactorsAddingUpToTen();
    void firstClickDealsTheBoardAndOpensTheCard();
    void dealSkipsSlotsAlreadyTaken();
    void everyDealHoldsEachValueExactlyTwice();
    void clickingTheSingleOpenCardAgainChangesNothing();
    void unequalCardsStayOpenUntilTheNextEffectiveClick_data();
    void unequalCardsStayOpenUntilTheNextEffectiveClick();
    void clickOnAFoundCardChangesNothing();
    void equalCardsAreFoundAtOnce();
    void ninthPairEndsTheGameAndTheResetBoardIsDealtAnew();
};

void TestMemoryGame::faceShowsFactorsAddingUpToTen_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("face");
    const QStringList faces{"1 * 9", "2 * 8", "3 * 7", "4 * 6", "5 * 5", "6 * 4", "7 * 3", "8 * 2", "9 * 1"};
    for (int v = 1; v <= 9; ++v)
        QTest::addRow("value %d", v) << v << faces[v - 1];
}

void TestMemoryGame::faceShowsFactorsAddingUpToTen()
{
    QFETCH(int, value);
    QFETCH(QString, face);
    QCOMPARE(MemoryGame::faceText(value), face);
}

void TestMemoryGame::firstClickDealsTheBoardAndOpensTheCard()
{
    ScriptedRandom random(orderedDeal());
    MemoryGame game;
    QVERIFY(!game.isDealt());
    QCOMPARE(looks(game), allDownBut({}));

    QCOMPARE(game.clickCard(5, random), Result::Turned);

    QVERIFY(game.isDealt());
    QCOMPARE(game.boardValues(), QStringLiteral("112233445566778899"));
    QCOMPARE(game.cardsInPlay(), QString(18, QLatin1Char('1')));
    QCOMPARE(looks(game), allDownBut({{5, Look::FaceUp}}));
    QCOMPARE(game.caption(5), QStringLiteral("3 * 7"));
    QCOMPARE(game.caption(6), QString());
    QCOMPARE(random.remaining(), 0);
    QCOMPARE(random.reseeds(), 0);
}

void TestMemoryGame::dealSkipsSlotsAlreadyTaken()
{
    // The second "1" draws slot 1 again, which is taken, then slot 18.
    QList<int> picks{1, 1, 18};
    for (int slot = 2; slot <= 17; ++slot)
        picks.append(slot);
    ScriptedRandom random(slotDraws(picks));
    MemoryGame game;
    game.clickCard(1, random);
    QCOMPARE(game.boardValues(), QStringLiteral("122334455667788991"));
    QCOMPARE(random.remaining(), 0);
    QCOMPARE(random.exhausted(), 0);
}

void TestMemoryGame::everyDealHoldsEachValueExactlyTwice()
{
    MixingRandomSource random(20240611u);
    for (int deal = 0; deal < 1000; ++deal) {
        MemoryGame game;
        game.clickCard(1 + deal % MemoryGame::cardCount, random);
        const QString values = game.boardValues();
        QCOMPARE(values.size(), 18);
        for (QChar value = QLatin1Char('1'); value <= QLatin1Char('9'); value = QChar(value.unicode() + 1))
            QCOMPARE(values.count(value), 2);
    }
}

void TestMemoryGame::clickingTheSingleOpenCardAgainChangesNothing()
{
    ScriptedRandom random(orderedDeal());
    MemoryGame game;
    game.clickCard(3, random);
    QCOMPARE(game.clickCard(3, random), Result::Ignored);
    QCOMPARE(game.firstPick(), 3);
    QCOMPARE(game.secondPick(), 0);
    QCOMPARE(looks(game), allDownBut({{3, Look::FaceUp}}));
    // Still the first card of the turn: its partner completes the pair.
    QCOMPARE(game.clickCard(4, random), Result::PairFound);
}

void TestMemoryGame::unequalCardsStayOpenUntilTheNextEffectiveClick_data()
{
    // Cards 1 ("1 * 9") and 3 ("2 * 8") are open and unequal.
    QTest::addColumn<int>("next");
    QTest::newRow("another card in play") << 7;
    QTest::newRow("the first of the open two") << 1;
    QTest::newRow("the second of the open two") << 3;
}

void TestMemoryGame::unequalCardsStayOpenUntilTheNextEffectiveClick()
{
    QFETCH(int, next);
    ScriptedRandom random(orderedDeal());
    MemoryGame game;
    game.clickCard(1, random);
    QCOMPARE(game.clickCard(3, random), Result::Turned);
    QCOMPARE(looks(game), allDownBut({{1, Look::FaceUp}, {3, Look::FaceUp}}));

    QCOMPARE(game.clickCard(next, random), Result::Turned);

    QCOMPARE(looks(game), allDownBut({{next, Look::FaceUp}}));
    QCOMPARE(game.firstPick(), next);
    QCOMPARE(game.secondPick(), 0);
}

void TestMemoryGame::clickOnAFoundCardChangesNothing()
{
    ScriptedRandom random(orderedDeal());
    MemoryGame game;
    game.clickCard(1, random);
    game.clickCard(2, random);
    game.clickCard(3, random);
    game.clickCard(5, random);
    const QList<Look> before = allDownBut({{1, Look::Found}, {2, Look::Found}, {3, Look::FaceUp}, {5, Look::FaceUp}});
    QCOMPARE(looks(game), before);

    QCOMPARE(game.clickCard(2, random), Result::Ignored);

    QCOMPARE(looks(game), before);
    QCOMPARE(game.firstPick(), 3);
    QCOMPARE(game.secondPick(), 5);
    QCOMPARE(game.caption(2), QStringLiteral("1 * 9"));
}

void TestMemoryGame::equalCardsAreFoundAtOnce()
{
    ScriptedRandom random(orderedDeal());
    MemoryGame game;
    game.clickCard(10, random);
    QCOMPARE(game.clickCard(9, random), Result::PairFound);
    QCOMPARE(game.cardsInPlay(), QStringLiteral("111111110011111111"));
    QCOMPARE(game.firstPick(), 0);
    QCOMPARE(game.secondPick(), 0);
    // The next click opens a new first card and turns nothing down.
    QCOMPARE(game.clickCard(1, random), Result::Turned);
    QCOMPARE(looks(game), allDownBut({{9, Look::Found}, {10, Look::Found}, {1, Look::FaceUp}}));
}

void TestMemoryGame::ninthPairEndsTheGameAndTheResetBoardIsDealtAnew()
{
    ScriptedRandom random(orderedDeal());
    MemoryGame game;
    for (int pair = 1; pair <= 9; ++pair) {
        QCOMPARE(game.clickCard(2 * pair - 1, random), Result::Turned);
        QCOMPARE(game.clickCard(2 * pair, random), pair < 9 ? Result::PairFound : Result::AllPairsFound);
    }
    QCOMPARE(looks(game), QList<Look>(18, Look::Found));

    game.resetBoard();
    QVERIFY(!game.isDealt());
    QCOMPARE(looks(game), allDownBut({}));
    for (int card = 1; card <= 18; ++card)
        QCOMPARE(game.caption(card), QString());

    // A fresh deal on the next click: the last "1" and the first "9" trade places.
    QList<int> picks{18, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 1};
    random.append(slotDraws(picks));
    QCOMPARE(game.clickCard(18, random), Result::Turned);
    QCOMPARE(game.boardValues(), QStringLiteral("912233445566778891"));
    QCOMPARE(game.cardsInPlay(), QString(18, QLatin1Char('1')));
    QCOMPARE(looks(game), allDownBut({{18, Look::FaceUp}}));
    QCOMPARE(random.remaining(), 0);
}

QTEST_APPLESS_MAIN(TestMemoryGame)
#include "test_memory_game.moc"
