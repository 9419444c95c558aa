// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/catch_game.h"

#include "shell/random_source.h"
#include "support/reward_draws.h"

#include <QtTest/QTest>

namespace {
QPoint cursorOf(const CatchGameState &state) { return {state.CursorColumn, state.CursorRow}; }
QPoint digitCell(const CatchGameState &state, int i) { return {state.DigitColumns[i], state.DigitRows[i]}; }

CellPrint drawn(QChar c, int column, int row) { return {c, column, row, Ink::Draw}; }
CellPrint erased(QChar c, int column, int row) { return {c, column, row, Ink::Erase}; }
} // namespace

QT_BEGIN_NAMESPACE
namespace QTest {
template<> char *toString(const CellPrint &print)
{
    return qstrdup(QStringLiteral("%1 at (%2, %3) %4").arg(print.character).arg(print.column).arg(print.row)
                       .arg(print.ink == Ink::Draw ? "drawn" : "erased").toUtf8().constData());
}
} // namespace QTest
QT_END_NAMESPACE

class TestCatchGame : public QObject {
    Q_OBJECT
private slots:
    void scatterKeepsDigitsInDistinctColumnsAndRows_data();
    void scatterKeepsDigitsInDistinctColumnsAndRows();
    void moveIsClampedToTheField_data();
    void moveIsClampedToTheField();
    void onlyTheNextDigitInOrderIsCaught_data();
    void onlyTheNextDigitInOrderIsCaught();
    void tickCatchesADigitThatJumpsOntoTheCursor();
    void tenCatchesEndTheGameOnce();
    void fieldKeepsEveryMarkWhole_data();
    void fieldKeepsEveryMarkWhole();
    void screenReaderHearsTheStepsFromThePlus_data();
    void screenReaderHearsTheStepsFromThePlus();
};

void TestCatchGame::scatterKeepsDigitsInDistinctColumnsAndRows_data()
{
    // Each attempt is a cell; three digits "789" are scattered.
    QTest::addColumn<QList<QPoint>>("attempts");
    QTest::addColumn<QList<QPoint>>("placed");
    QTest::newRow("no clash, every digit takes its first cell")
        << QList<QPoint>{{1, 3}, {2, 4}, {24, 16}} << QList<QPoint>{{1, 3}, {2, 4}, {24, 16}};
    QTest::newRow("shared column: both values drawn again")
        << QList<QPoint>{{5, 5}, {5, 7}, {6, 6}, {7, 7}} << QList<QPoint>{{5, 5}, {6, 6}, {7, 7}};
    QTest::newRow("shared row: both values drawn again")
        << QList<QPoint>{{5, 5}, {9, 5}, {6, 6}, {7, 7}} << QList<QPoint>{{5, 5}, {6, 6}, {7, 7}};
    QTest::newRow("clash with the first of two earlier digits")
        << QList<QPoint>{{1, 3}, {2, 4}, {1, 10}, {3, 4}, {3, 5}} << QList<QPoint>{{1, 3}, {2, 4}, {3, 5}};
}

void TestCatchGame::scatterKeepsDigitsInDistinctColumnsAndRows()
{
    QFETCH(QList<QPoint>, attempts);
    QFETCH(QList<QPoint>, placed);
    ScriptedRandom random(catchDraws(attempts));
    CatchGameState state;
    state.DigitsToCatch = QStringLiteral("789");
    CatchGame game(state, random);

    const QList<CellPrint> prints = game.scatterDigits();

    QCOMPARE(random.remaining() + random.exhausted() + random.reseeds(), 0); // the game never seeds
    QList<CellPrint> expected;
    for (int i = 1; i <= 3; ++i) {
        QCOMPARE(digitCell(state, i), placed.at(i - 1));
        expected.append(drawn(state.DigitsToCatch.at(i - 1), placed[i - 1].x(), placed[i - 1].y()));
    }
    QCOMPARE(prints, expected);
}

void TestCatchGame::moveIsClampedToTheField_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<CatchMove>("direction");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("right from the middle") << QPoint(14, 9) << CatchMove::Right << 1 << QPoint(15, 9);
    QTest::newRow("left held at column 1") << QPoint(2, 9) << CatchMove::Left << 30 << QPoint(1, 9);
    QTest::newRow("right held at column 24") << QPoint(20, 9) << CatchMove::Right << 30 << QPoint(24, 9);
    QTest::newRow("up held at row 3") << QPoint(14, 5) << CatchMove::Up << 30 << QPoint(14, 3);
    QTest::newRow("down held at row 16") << QPoint(14, 12) << CatchMove::Down << 30 << QPoint(14, 16);
}

void TestCatchGame::moveIsClampedToTheField()
{
    QFETCH(QPoint, from);
    QFETCH(CatchMove, direction);
    QFETCH(int, presses);
    QFETCH(QPoint, to);
    ScriptedRandom random;
    CatchGameState state;
    CatchGame game(state, random);
    game.start(); // digit 0 waits on (4, 4), away from every path here
    state.CursorColumn = qint16(from.x());
    state.CursorRow = qint16(from.y());
    for (int i = 0; i < presses; ++i)
        QVERIFY(!game.move(direction).caught);
    QCOMPARE(cursorOf(state), to);
}

void TestCatchGame::onlyTheNextDigitInOrderIsCaught_data()
{
    // "3" waits on (5, 5), "4" on (8, 8), "5" on (12, 9).
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<CatchMove>("direction");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QList<CellPrint>>("prints");
    QTest::newRow("stepping onto 5 while 3 is next does nothing")
        << QPoint(13, 9) << CatchMove::Left << QStringLiteral("345")
        << QList<CellPrint>{erased(u'+', 13, 9), drawn(u'+', 12, 9)};
    QTest::newRow("stepping onto 4 while 3 is next does nothing")
        << QPoint(8, 7) << CatchMove::Down << QStringLiteral("345")
        << QList<CellPrint>{erased(u'+', 8, 7), drawn(u'+', 8, 8)};
    QTest::newRow("stepping onto 3 catches it and redraws the rest")
        << QPoint(6, 5) << CatchMove::Left << QStringLiteral("45")
        << QList<CellPrint>{erased(u'+', 6, 5), drawn(u'4', 8, 8), drawn(u'5', 12, 9), drawn(u'+', 5, 5)};
}

void TestCatchGame::onlyTheNextDigitInOrderIsCaught()
{
    QFETCH(QPoint, from);
    QFETCH(CatchMove, direction);
    QFETCH(QString, left);
    QFETCH(QList<CellPrint>, prints);
    ScriptedRandom random;
    CatchGameState state;
    CatchGame game(state, random);
    const QList<QPoint> cells{{5, 5}, {8, 8}, {12, 9}};
    game.start();
    state.DigitsToCatch = QStringLiteral("345");
    for (int i = 1; i <= 3; ++i) {
        state.DigitColumns[i] = qint16(cells[i - 1].x());
        state.DigitRows[i] = qint16(cells[i - 1].y());
    }
    state.CursorColumn = qint16(from.x());
    state.CursorRow = qint16(from.y());

    const CatchTurn turn = game.move(direction);

    QCOMPARE(state.DigitsToCatch, left);
    QCOMPARE(turn.caught, left.size() < 3);
    QCOMPARE(turn.prints, prints);
    QCOMPARE(game.nextDigit(), left.left(1));
    // The remaining digits keep their cells, moved up one slot after a catch.
    for (int i = 1; i <= left.size(); ++i)
        QCOMPARE(digitCell(state, i), cells.at(i - 1 + 3 - int(left.size())));
}

void TestCatchGame::tickCatchesADigitThatJumpsOntoTheCursor()
{
    // Digit 0 lands on the cursor at (14, 9); the others stay clear of column 14 and row 9.
    const QList<QPoint> cells{{14, 9}, {1, 3}, {2, 4}, {3, 5}, {4, 6}, {5, 7}, {6, 8}, {7, 10}, {8, 11}, {9, 12}};
    ScriptedRandom random(catchDraws(cells));
    CatchGameState state;
    CatchGame game(state, random);
    game.start();

    const CatchTurn turn = game.tick();

    QVERIFY(turn.caught);
    QVERIFY(!turn.won);
    QCOMPARE(state.DigitsToCatch, QStringLiteral("123456789"));
    QCOMPARE(random.remaining() + random.exhausted(), 0);
    QList<CellPrint> expected;
    const QString all = CatchGame::allDigits();
    for (int i = 0; i < 10; ++i) // the old places are wiped first
        expected.append(erased(all[i], i + 4, i + 4));
    for (int i = 0; i < 10; ++i)
        expected.append(drawn(all[i], cells[i].x(), cells[i].y()));
    for (int i = 1; i < 10; ++i) // the caught 0 is neither redrawn nor wiped
        expected.append(drawn(all[i], cells[i].x(), cells[i].y()));
    expected.append(drawn(u'+', 14, 9));
    QCOMPARE(turn.prints, expected);
}

void TestCatchGame::tenCatchesEndTheGameOnce()
{
    ScriptedRandom random;
    CatchGameState state;
    CatchGame game(state, random);
    game.start();
    for (int caught = 1; caught <= 10; ++caught) {
        // Put the next digit right beside the cursor, then step onto it.
        const bool roomOnTheRight = state.CursorColumn < CatchGame::lastColumn;
        state.DigitColumns[1] = qint16(state.CursorColumn + (roomOnTheRight ? 1 : -1));
        state.DigitRows[1] = state.CursorRow;
        const CatchTurn turn = game.move(roomOnTheRight ? CatchMove::Right : CatchMove::Left);
        QVERIFY(turn.caught);
        QCOMPARE(turn.won, caught == 10);
        QCOMPARE(game.nextDigit(), CatchGame::allDigits().mid(caught, 1));
    }
    QVERIFY(game.isOver());

    // The cursor still stands on the last digit's old cell: nothing may catch or end again.
    QCOMPARE(digitCell(state, 1), cursorOf(state));
    for (const CatchTurn &turn : {game.tick(), game.move(CatchMove::Up)}) {
        QVERIFY(!turn.caught && !turn.won);
        QVERIFY(turn.prints.isEmpty());
    }
    QCOMPARE(random.drawn() + random.exhausted(), 0);
}

void TestCatchGame::fieldKeepsEveryMarkWhole_data()
{
    // Prints into cell (5, 5) while "45" is still to catch; what the cell then shows.
    QTest::addColumn<QList<CellPrint>>("prints");
    QTest::addColumn<CellLook>("look");
    const CellLook four{u'4', true, false};
    QTest::newRow("the + on a digit shows with it") << QList{drawn(u'4', 5, 5), drawn(u'+', 5, 5)}
                                                   << CellLook{u'4', true, true};
    QTest::newRow("the + wiped off a digit leaves it whole")
        << QList{drawn(u'4', 5, 5), drawn(u'+', 5, 5), erased(u'+', 5, 5)} << four;
    QTest::newRow("a caught digit stays where it was caught")
        << QList{drawn(u'3', 5, 5), drawn(u'+', 5, 5), erased(u'+', 5, 5)} << CellLook{u'3', false, false};
    QTest::newRow("a digit to catch stands over a caught one") << QList{drawn(u'4', 5, 5), drawn(u'3', 5, 5)} << four;
    QTest::newRow("a digit jumping off a caught one leaves it whole")
        << QList{drawn(u'3', 5, 5), drawn(u'4', 5, 5), erased(u'4', 5, 5)} << CellLook{u'3', false, false};
}

void TestCatchGame::fieldKeepsEveryMarkWhole()
{
    QFETCH(QList<CellPrint>, prints);
    QFETCH(CellLook, look);
    CatchMarks marks;
    marks.apply(prints);
    QCOMPARE(marks.look(5, 5, QStringLiteral("45")), look);
}

void TestCatchGame::screenReaderHearsTheStepsFromThePlus_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QPoint>("jumpedTo"); // where the next one jumped; the cursor is on (14, 9)
    QTest::addColumn<QString>("spoken");
    QTest::newRow("before the first jump") << "0123456789" << QPoint() << "Die 0: noch nicht zu sehen";
    QTest::newRow("right and up") << "3" << QPoint(18, 7) << "Die 3: 4 rechts, 2 oben";
    QTest::newRow("left and down") << "0" << QPoint(4, 10) << "Die 0: 10 links, 1 unten";
    QTest::newRow("one to the left") << "9" << QPoint(13, 9) << "Die 9: 1 links";
    QTest::newRow("all caught") << "" << QPoint() << "Alle Ziffern gefangen";
}

void TestCatchGame::screenReaderHearsTheStepsFromThePlus()
{
    QFETCH(QString, digits);
    QFETCH(QPoint, jumpedTo);
    QFETCH(QString, spoken);
    ScriptedRandom random(catchDraws({jumpedTo}));
    CatchGameState state;
    CatchGame game(state, random);
    game.start();
    state.DigitsToCatch = digits;
    if (!jumpedTo.isNull())
        game.tick();
    QCOMPARE(game.spokenField(), spoken);
    QCOMPARE(game.spokenNextDigit(), QStringLiteral("Nächste Ziffer: ") + (digits.isEmpty() ? "keine" : digits.left(1)));
}

QTEST_APPLESS_MAIN(TestCatchGame)
#include "test_catch_game.moc"
