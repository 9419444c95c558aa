// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/memory_game_window.h"

#include "shell/platform.h"
#include "support/reward_draws.h"
#include "support/scripted_platform.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest/QTest>

namespace {
const QString covering = QColor(128, 128, 255).name();
const QColor brightBlue(0, 0, 255);
const QString found = brightBlue.name() + QStringLiteral(" italic");

struct MemoryFixture {
    ScriptedPlatform platform;
    ScriptedRandom random{orderedMemoryDeal()};
    MemoryGameWindow window{platform, random};
    QSignalSpy finished{&window, &MemoryGameWindow::finished};

    explicit MemoryFixture(QSize screen = {1280, 1024})
    {
        platform.screen = screen;
        show();
    }
    void show()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QLabel *card(int k) { return window.findChild<QLabel *>(QStringLiteral("Bezeichnung%1").arg(k)); }
    void click(int k) { QTest::mouseClick(card(k), Qt::LeftButton); }
    void clickButton(const char *name)
    {
        QTest::mouseClick(window.findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
    }
    QStringList captions()
    {
        QStringList all;
        for (int k = 1; k <= MemoryGame::cardCount; ++k)
            all.append(card(k)->text());
        return all;
    }
    // Colour and slant of one card, or of every card, as the pupil sees them.
    QString look(int k)
    {
        const QString colour = card(k)->palette().color(QPalette::Window).name();
        return card(k)->font().italic() ? colour + QStringLiteral(" italic") : colour;
    }
    QStringList looks()
    {
        QStringList all;
        for (int k = 1; k <= MemoryGame::cardCount; ++k)
            all.append(look(k));
        return all;
    }
};
} // namespace

class TestMemoryGameWindow : public QObject {
    Q_OBJECT
private slots:
    void windowIsCentredOnItsFirstShowOnly();
    void foundPairTurnsBrightBlueAndItalic();
    void boardComesThroughHelpAndLeavingUnchanged_data();
    void boardComesThroughHelpAndLeavingUnchanged();
    void ninthPairPraisesThenCoversTheBoardAndLeaves();
    void keysAlonePlayAWholeGameAndTellEachCard();
};

void TestMemoryGameWindow::windowIsCentredOnItsFirstShowOnly()
{
    MemoryFixture game(QSize(1000, 800));
    const QSize frame = game.window.frameGeometry().size();
    QCOMPARE(game.window.pos(), QPoint((1000 - frame.width()) / 2, (800 - frame.height()) / 2));

    game.window.move(10, 20);
    game.window.hide();
    game.show();
    QCOMPARE(game.window.pos(), QPoint(10, 20));
}

void TestMemoryGameWindow::foundPairTurnsBrightBlueAndItalic()
{
    MemoryFixture game;
    QCOMPARE(game.captions(), QStringList(18, QString()));
    QCOMPARE(game.looks(), QStringList(18, covering));
    QCOMPARE(game.random.drawn(), 0); // the board is dealt by the first click, not by showing

    game.click(3);
    QCOMPARE(game.random.drawn(), 18);
    QCOMPARE(game.card(3)->text(), QStringLiteral("2 * 8"));
    QCOMPARE(game.look(3), covering);

    game.click(4);
    for (int k : {3, 4}) {
        QCOMPARE(game.card(k)->text(), QStringLiteral("2 * 8"));
        QCOMPARE(game.look(k), found);
        QCOMPARE(game.card(k)->grab().toImage().pixelColor(6, game.card(k)->height() / 2), brightBlue);
    }
    QCOMPARE(game.look(5), covering);
    QVERIFY(game.platform.messages.isEmpty());
}

void TestMemoryGameWindow::boardComesThroughHelpAndLeavingUnchanged_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("left");
    QTest::newRow("Hilfe explains the game and changes nothing") << "Hilfe" << false;
    QTest::newRow("ENDE, No: the game goes on") << "No" << false;
    QTest::newRow("ENDE, Yes: the board waits for the next game") << "Yes" << true;
    QTest::newRow("closed through its frame: the board waits too") << "frame" << true;
}

void TestMemoryGameWindow::boardComesThroughHelpAndLeavingUnchanged()
{
    QFETCH(QString, way);
    QFETCH(bool, left);
    MemoryFixture game;
    for (int k : {1, 2, 7})
        game.click(k);
    const QStringList captions = game.captions();
    const QStringList looks = game.looks();

    if (way == QLatin1String("frame")) {
        QVERIFY(game.window.close());
        QVERIFY(game.platform.messages.isEmpty());
    } else if (way == QLatin1String("Hilfe")) {
        game.clickButton("Befehl2");
        QCOMPARE(game.platform.messages.size(), 1);
        const ScriptedPlatform::Message &box = game.platform.messages.first();
        QCOMPARE(box.text, QStringLiteral("Immer zwei Felder bilden ein Zahlenpaar, klicke") + CR
                               + QStringLiteral("die Einzelfelder an und suche so Zahlenpaare!"));
        QCOMPARE(box.title, QStringLiteral("Memory"));
        QCOMPARE(box.buttons, MessageButtons::Ok);
    } else {
        game.platform.answers = {way == QLatin1String("Yes") ? MessageAnswer::Yes : MessageAnswer::No};
        game.clickButton("Befehl1");
        QCOMPARE(game.platform.messages.size(), 1);
        const ScriptedPlatform::Message &box = game.platform.messages.first();
        QCOMPARE(box.text, QStringLiteral("  Dieses Spiel jetzt beenden?"));
        QCOMPARE(box.title, QStringLiteral("Memory"));
        QCOMPARE(box.buttons, MessageButtons::YesNo);
        QCOMPARE(box.icon, MessageIcon::Stop);
        QCOMPARE(box.defaultButton, DefaultButton::First);
    }
    QCOMPARE(game.window.isVisible(), !left);
    QCOMPARE(game.finished.size(), left ? 1 : 0);
    if (left)
        game.show();
    QCOMPARE(game.captions(), captions);
    QCOMPARE(game.looks(), looks);

    // Card 7 is still the open first card of its turn: its partner completes the pair.
    game.click(8);
    QCOMPARE(game.look(7), found);
    QCOMPARE(game.look(8), found);
    QCOMPARE(game.random.drawn(), 18);
}

void TestMemoryGameWindow::ninthPairPraisesThenCoversTheBoardAndLeaves()
{
    MemoryFixture game;
    QStringList looksDuringPraise;
    game.platform.whileMessageOpen = [&](const ScriptedPlatform::Message &) { looksDuringPraise = game.looks(); };
    for (int k = 1; k <= MemoryGame::cardCount; ++k)
        game.click(k);

    QCOMPARE(game.platform.messages.size(), 1);
    const ScriptedPlatform::Message &box = game.platform.messages.first();
    QCOMPARE(box.text, QStringLiteral("Prima, du hast es geschafft!") + CR);
    QCOMPARE(box.title, QStringLiteral("Memory"));
    QCOMPARE(box.buttons, MessageButtons::Ok);
    QCOMPARE(looksDuringPraise, QStringList(18, found));

    QVERIFY(!game.window.isVisible());
    QCOMPARE(game.finished.size(), 1);
    QCOMPARE(game.captions(), QStringList(18, QString()));
    QCOMPARE(game.looks(), QStringList(18, covering));

    // The next game deals a new board on its first click.
    game.show();
    game.random.append(orderedMemoryDeal());
    game.click(18);
    QCOMPARE(game.random.drawn(), 36);
    QCOMPARE(game.card(18)->text(), QStringLiteral("9 * 1"));
    QCOMPARE(game.card(17)->text(), QString());
}

void TestMemoryGameWindow::keysAlonePlayAWholeGameAndTellEachCard()
{
    MemoryFixture game;
    QCOMPARE(game.window.focusWidget(), game.card(1));
    const QImage framed = game.card(1)->grab().toImage();
    QCOMPARE(framed.pixelColor(0, framed.height() / 2), QColor(0, 0, 0)); // the trainers' frame: dark outside,
    QCOMPARE(framed.pixelColor(2, framed.height() / 2), QColor(255, 255, 255)); // light inside
    // Up and down a column of nine, across to the other one; at an edge the frame stays.
    for (auto [key, card] : {std::pair{Qt::Key_Right, 10}, {Qt::Key_Right, 10}, {Qt::Key_Up, 10}, {Qt::Key_Down, 11},
                             {Qt::Key_Left, 2}, {Qt::Key_Left, 2}, {Qt::Key_Up, 1}}) {
        QTest::keyClick(game.window.focusWidget(), key);
        QCOMPARE(game.window.focusWidget(), game.card(card));
    }
    QTest::keyClick(game.card(1), Qt::Key_Backtab); // "Hilfe" is on the way
    QTest::keyClick(game.window.focusWidget(), Qt::Key_Space);
    QCOMPARE(game.platform.messages.size(), 1);
    QTest::keyClick(game.window.focusWidget(), Qt::Key_Tab);
    QCOMPARE(game.card(1)->accessibleName(), QStringLiteral("Karte 1: verdeckt"));

    // Space or Return turns the card with the frame; Tab goes on to the next.
    for (int k = 1; k <= MemoryGame::cardCount; ++k) {
        QCOMPARE(game.window.focusWidget(), game.card(k));
        QTest::keyClick(game.card(k), k % 2 ? Qt::Key_Space : Qt::Key_Return);
        const QString face = MemoryGame::faceText((k + 1) / 2);
        if (k < MemoryGame::cardCount)
            QCOMPARE(game.card(k)->accessibleName(), QStringLiteral("Karte %1: %2%3").arg(k).arg(k % 2 ? "" : "gefunden, ", face));
        QTest::keyClick(game.card(k), Qt::Key_Tab);
    }
    QCOMPARE(game.platform.messageTexts().value(1), QStringLiteral("Prima, du hast es geschafft!") + CR);
}

QTEST_MAIN(TestMemoryGameWindow)
#include "test_memory_game_window.moc"
