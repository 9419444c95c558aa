// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/catch_game_window.h"

#include "rewards/catch_board.h"
#include "rewards/catch_game_state.h"
#include "support/reward_draws.h"
#include "support/scripted_platform.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest/QTest>

namespace {
const QColor navy(0, 0, 128);
const QColor background(192, 192, 255);

// Inside the frame of the play field, where the game prints.
const QRect playField(9, 49, 463, 279);

// Pixels in the drawing colour, or (ink false) any that differ from the background:
// a wiped mark must leave not even a faint edge.
int pixels(const QImage &image, const QRect &area, bool ink = true)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += ink ? image.pixelColor(x, y) == navy : image.pixelColor(x, y) != background;
    return count;
}

struct CatchFixture {
    ScriptedPlatform platform;
    ScriptedRandom random;
    CatchGameState state;
    CatchGameWindow window{platform, random, state};
    QSignalSpy finished{&window, &CatchGameWindow::finished};

    explicit CatchFixture(QSize screen = {1280, 1024})
    {
        platform.screen = screen;
        window.prepareGame();
        window.show();
    }
    template<typename T = QWidget> T *control(const char *name)
    {
        return window.findChild<T *>(QString::fromLatin1(name));
    }
    QTimer *timer() { return window.findChild<QTimer *>(QStringLiteral("Zeit1")); }
    QScrollBar *speedBar() { return control<QScrollBar>("HBildlauf1"); }
    QString nextDigit() { return control<QLabel>("Bezeichnung3")->text(); }
    QPoint cursor() const { return {state.CursorColumn, state.CursorRow}; }
    QImage shot() { return window.grab().toImage(); }
    CatchBoard *board() { return qobject_cast<CatchBoard *>(control("Figur2")); }
    // Where a cell stands in the window (whose pictures are taken at one pixel a pixel).
    QRect cellBox(int column, int row) { return board()->cellPixels(column, row).translated(board()->pos()); }
    // One timer tick, delivered as the running timer would deliver it.
    void tick()
    {
        QVERIFY(timer()->isActive());
        QTimerEvent event(timer()->timerId());
        QCoreApplication::sendEvent(timer(), &event);
    }
    // Only the digit 9 is left, on the cell left of the cursor.
    void lastDigitBesideCursor()
    {
        state.DigitsToCatch = QStringLiteral("9");
        state.DigitColumns[1] = 13;
        state.DigitRows[1] = 9;
    }
};
} // namespace

class TestCatchGameWindow : public QObject {
    Q_OBJECT
private slots:
    void windowIsCentredWhenShown();
    void everyGameStartsAfreshWithTheChosenSpeed();
    void arrowKeysMoveTheCursorWhicheverControlHasTheFocus_data();
    void arrowKeysMoveTheCursorWhicheverControlHasTheFocus();
    void gameEndsOnlyWhenThePupilQuits_data();
    void gameEndsOnlyWhenThePupilQuits();
    void speedChangeSetsTheIntervalAndHandsTheFocusToTheLeftButton();
    void lastCatchBringsExactlyOneEndMessage_data();
    void lastCatchBringsExactlyOneEndMessage();
    void tickDuringTheQuitQuestionIsHeldBack();
    void fieldShowsEveryMarkWholeAtAnyScale_data();
    void fieldShowsEveryMarkWholeAtAnyScale();
    void tapWalksTheCursorThereStepByStep();
};

void TestCatchGameWindow::windowIsCentredWhenShown()
{
    CatchFixture game(QSize(1000, 800));
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    const QSize frame = game.window.frameGeometry().size();
    QCOMPARE(game.window.pos(), QPoint((1000 - frame.width()) / 2, (800 - frame.height()) / 2));
}

void TestCatchGameWindow::everyGameStartsAfreshWithTheChosenSpeed()
{
    CatchFixture game;
    QCOMPARE(pixels(game.shot(), playField, false), 0); // nothing is drawn before the first move or tick
    game.speedBar()->setValue(3);
    game.lastDigitBesideCursor();
    QTest::keyClick(&game.window, Qt::Key_Left);
    QCOMPARE(game.finished.size(), 1);
    QCOMPARE(game.nextDigit(), QString());

    game.window.prepareGame();
    game.window.show();

    QCOMPARE(game.cursor(), QPoint(14, 9));
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(QPoint(game.state.DigitColumns[i], game.state.DigitRows[i]), QPoint(i + 3, i + 3));
    QCOMPARE(game.state.DigitsToCatch, QStringLiteral("0123456789"));
    QCOMPARE(game.nextDigit(), QStringLiteral("0"));
    QCOMPARE(game.speedBar()->value(), 3);
    QCOMPARE(game.timer()->interval(), 3000);
    QVERIFY(game.timer()->isActive());
    QCOMPARE(pixels(game.shot(), playField, false), 0); // the marks of the last game are gone
    QCOMPARE(game.random.drawn() + game.random.exhausted(), 0);
}

void TestCatchGameWindow::arrowKeysMoveTheCursorWhicheverControlHasTheFocus_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("cursor");
    QTest::newRow("left on the speed bar") << "HBildlauf1" << int(Qt::Key_Left) << QPoint(13, 9);
    QTest::newRow("right on the speed bar") << "HBildlauf1" << int(Qt::Key_Right) << QPoint(15, 9);
    QTest::newRow("up on the speed bar") << "HBildlauf1" << int(Qt::Key_Up) << QPoint(14, 8);
    QTest::newRow("down on the speed bar") << "HBildlauf1" << int(Qt::Key_Down) << QPoint(14, 10);
    QTest::newRow("left on ENDE") << "Befehl1" << int(Qt::Key_Left) << QPoint(13, 9);
    QTest::newRow("a letter is ignored") << "HBildlauf1" << int(Qt::Key_A) << QPoint(14, 9);
}

void TestCatchGameWindow::arrowKeysMoveTheCursorWhicheverControlHasTheFocus()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QPoint, cursor);
    CatchFixture game;
    QWidget *target = game.window.findChild<QWidget *>(focus);
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(game.cursor(), cursor);
    QCOMPARE(game.speedBar()->value(), 7);
    QVERIFY(game.platform.messages.isEmpty());
}

void TestCatchGameWindow::gameEndsOnlyWhenThePupilQuits_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("ended");
    for (const char *way : {"ENDE", "Escape"}) {
        QTest::addRow("%s, Yes", way) << QString::fromLatin1(way) << MessageAnswer::Yes << true;
        QTest::addRow("%s, No", way) << QString::fromLatin1(way) << MessageAnswer::No << false;
    }
    QTest::newRow("frame closed, no question") << "frame" << MessageAnswer::Yes << true;
}

void TestCatchGameWindow::gameEndsOnlyWhenThePupilQuits()
{
    QFETCH(QString, way);
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, ended);
    CatchFixture game;
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    QTest::keyClick(game.control("Bild1"), Qt::Key_Up);
    game.platform.answers = {answer};
    if (way == QLatin1String("ENDE"))
        QTest::mouseClick(game.control("Befehl1"), Qt::LeftButton);
    else if (way == QLatin1String("Escape"))
        QTest::keyClick(game.control("HBildlauf1"), Qt::Key_Escape);
    else
        QVERIFY(game.window.close());

    if (way == QLatin1String("frame")) {
        QVERIFY(game.platform.messages.isEmpty());
    } else {
        QCOMPARE(game.platform.messages.size(), 1);
        const ScriptedPlatform::Message &box = game.platform.messages.first();
        QCOMPARE(box.text, QStringLiteral("  Dieses Spiel jetzt beenden?"));
        QCOMPARE(box.title, QStringLiteral("Zahlfange"));
        QCOMPARE(box.buttons, MessageButtons::YesNo);
        QCOMPARE(box.icon, MessageIcon::Stop);
        QCOMPARE(box.defaultButton, DefaultButton::First);
    }
    QCOMPARE(game.finished.size(), ended ? 1 : 0);
    QCOMPARE(game.window.isVisible(), !ended);
    QCOMPARE(game.timer()->isActive(), !ended);
    QCOMPARE(game.cursor(), QPoint(14, 8));
    QCOMPARE(game.state.DigitsToCatch, QStringLiteral("0123456789"));
    game.window.close(); // a close ends a running game, and an ended one not twice
    QCOMPARE(game.finished.size(), 1);
}

void TestCatchGameWindow::speedChangeSetsTheIntervalAndHandsTheFocusToTheLeftButton()
{
    CatchFixture game;
    game.speedBar()->setFocus();
    for (int step = 0; step < 6; ++step)
        game.speedBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(game.speedBar()->value(), 1);
    QCOMPARE(game.timer()->interval(), 1000);
    QVERIFY(game.timer()->isActive());
    QCOMPARE(game.window.focusWidget(), game.control("Bild1"));

    // The next Left arrow goes to the game, not to the speed bar.
    QTest::keyClick(game.window.focusWidget(), Qt::Key_Left);
    QCOMPARE(game.cursor(), QPoint(13, 9));
    QCOMPARE(game.speedBar()->value(), 1);
}

void TestCatchGameWindow::lastCatchBringsExactlyOneEndMessage_data()
{
    QTest::addColumn<QString>("whileOpen");
    QTest::newRow("timer ticks") << "tick";
    QTest::newRow("Escape pressed") << "escape";
    QTest::newRow("frame closed") << "close";
    QTest::newRow("nothing else") << "";
}

void TestCatchGameWindow::lastCatchBringsExactlyOneEndMessage()
{
    QFETCH(QString, whileOpen);
    CatchFixture game;
    game.lastDigitBesideCursor();
    bool visibleDuringBox = false;
    game.platform.whileMessageOpen = [&](const ScriptedPlatform::Message &) {
        visibleDuringBox = game.window.isVisible();
        if (whileOpen == QLatin1String("tick")) {
            game.tick();
            game.tick();
        } else if (whileOpen == QLatin1String("escape")) {
            QTest::keyClick(&game.window, Qt::Key_Escape);
        } else if (whileOpen == QLatin1String("close")) {
            game.window.close();
        }
    };

    QTest::keyClick(game.control("HBildlauf1"), Qt::Key_Left);

    QCOMPARE(game.platform.messages.size(), 1);
    const ScriptedPlatform::Message &box = game.platform.messages.first();
    QCOMPARE(box.text, QStringLiteral("  Das Spiel ist beendet!"));
    QCOMPARE(box.title, QStringLiteral("Zahlfange"));
    QCOMPARE(box.buttons, MessageButtons::Ok);
    QVERIFY(visibleDuringBox);
    QCOMPARE(game.finished.size(), 1);
    QVERIFY(!game.window.isVisible());
    QVERIFY(!game.timer()->isActive());
    QCOMPARE(game.state.DigitsToCatch, QString());
    QCOMPARE(game.random.drawn() + game.random.exhausted(), 0);
}

void TestCatchGameWindow::tickDuringTheQuitQuestionIsHeldBack()
{
    CatchFixture game;
    game.state.DigitsToCatch = QStringLiteral("9");
    game.state.DigitColumns[1] = 20;
    game.state.DigitRows[1] = 12;
    // Were the tick processed, the 9 would jump onto the cursor and be caught.
    game.random.append(catchDraws({{14, 9}}));
    game.platform.answers = {MessageAnswer::No};
    game.platform.whileMessageOpen = [&](const ScriptedPlatform::Message &) { game.tick(); };

    QTest::keyClick(&game.window, Qt::Key_Escape);

    QCOMPARE(game.state.DigitsToCatch, QStringLiteral("9"));
    QCOMPARE(game.random.drawn(), 0);
    QVERIFY(game.window.isVisible());
    QCOMPARE(game.finished.size(), 0);

    // The game goes on: the next tick catches the 9 and ends it.
    game.platform.whileMessageOpen = nullptr;
    game.tick();
    QCOMPARE(game.platform.messageTexts(), (QStringList{"  Dieses Spiel jetzt beenden?", "  Das Spiel ist beendet!"}));
    QCOMPARE(game.finished.size(), 1);
}

void TestCatchGameWindow::fieldShowsEveryMarkWholeAtAnyScale_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("as laid out") << QSize(1280, 1024);
    QTest::newRow("shown smaller on a small screen") << QSize(1024 / 3, 768 / 3);
}

void TestCatchGameWindow::fieldShowsEveryMarkWholeAtAnyScale()
{
    QFETCH(QSize, screen);
    CatchFixture game(screen);
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    const QList<QPoint> cells{{16, 8}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {15, 9}, {8, 11}, {9, 12}, {10, 13}, {11, 14}};
    game.random.append(catchDraws(cells));
    game.tick();
    const QImage first = game.shot();
    // Onto the 5 (not the next digit), beside the 0, onto the 0 (caught), and away from it.
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Up})
        QTest::keyClick(&game.window, key);
    QCOMPARE(game.state.DigitsToCatch, QStringLiteral("123456789"));
    const QImage after = game.shot();
    QRegion blank(game.board()->geometry().adjusted(1, 1, -1, -1));
    for (const QPoint &cell : cells) {
        const QRect box = game.cellBox(cell.x(), cell.y());
        QVERIFY2(pixels(first, box) > 0, "digit drawn");
        QCOMPARE(after.copy(box), first.copy(box));
        blank -= box;
    }
    blank -= game.cellBox(16, 7);
    QVERIFY(pixels(after, game.cellBox(16, 7)) > 0);
    for (const QRect &area : blank)
        QCOMPARE(pixels(after, area, false), 0); // nothing outside the marks' cells

    // The same digit looks the same in any cell; the "+" on one lights its cell and leaves it whole.
    game.random.append(catchDraws({{20, 16}, {2, 15}, {3, 14}, {4, 13}, {5, 12}, {6, 10}, {7, 5}, {8, 4}, {16, 7}}));
    game.tick();
    const QImage jumped = game.shot();
    QCOMPARE(jumped.copy(game.cellBox(20, 16)), first.copy(game.cellBox(3, 4)));
    const QImage onNine = jumped.copy(game.cellBox(16, 7));
    QCOMPARE(onNine.pixelColor(1, 1), QColor(255, 215, 0));
    QCOMPARE(pixels(onNine, onNine.rect()), pixels(first, game.cellBox(11, 14)));
}

void TestCatchGameWindow::tapWalksTheCursorThereStepByStep()
{
    CatchFixture game;
    game.state.DigitColumns[1] = 16; // the 0 lies on the way
    game.state.DigitRows[1] = 11;
    QTest::mouseClick(game.board(), Qt::LeftButton, {}, game.cellBox(17, 12).center() - game.board()->pos());
    QCOMPARE(game.cursor(), QPoint(15, 9)); // the first step at once
    QVERIFY(QTest::qWaitFor([&] { return game.cursor() == QPoint(17, 12); }));
    QCOMPARE(game.state.DigitsToCatch, QStringLiteral("123456789")); // caught on the way, as by a key
    QCOMPARE(game.board()->accessibleName(), QStringLiteral("Die 1: 12 links, 7 oben")); // shown since the catch
    QCOMPARE(game.control("Bezeichnung3")->accessibleName(), QStringLiteral("Nächste Ziffer: 1"));

    // An arrow key takes over from a walk; at rest only the game's own timer runs.
    QTest::mouseClick(game.board(), Qt::LeftButton, {}, game.cellBox(1, 12).center() - game.board()->pos());
    QTest::keyClick(game.board(), Qt::Key_Up);
    QCOMPARE(game.cursor(), QPoint(16, 11));
    for (QTimer *timer : game.window.findChildren<QTimer *>())
        QCOMPARE(timer->isActive(), timer == game.timer());
    QCOMPARE(game.window.focusWidget(), game.board());
    QTest::keyClick(game.speedBar(), Qt::Key_PageUp); // the page keys set the speed
    QCOMPARE(game.speedBar()->accessibleName(), QStringLiteral("Geschwindigkeit: alle 6 Sekunden ein Sprung"));
}

QTEST_MAIN(TestCatchGameWindow)
#include "test_catch_game_window.moc"
