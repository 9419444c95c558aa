#include "rewards/memory_game_window.h"

#include "shell/lenient_number.h"
#include "support/scripted_platform.h"
#include "support/scripted_random.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest/QTest>

namespace {
const QColor covering(128, 128, 255);
const QColor brightBlue(0, 0, 255);

// Card k gets value (k + 1) / 2: the pairs are (1, 2), (3, 4), … (17, 18).
QList<double> orderedDeal()
{
    QList<double> draws;
    for (int slot = 1; slot <= MemoryGame::cardCount; ++slot)
        draws.append(ScriptedRandom::forDigit(slot, 1, MemoryGame::cardCount));
    return draws;
}

struct MemoryFixture {
    ScriptedPlatform platform;
    ScriptedRandom random{orderedDeal()};
    MemoryGameWindow window{platform, random};
    QSignalSpy finished{&window, &MemoryGameWindow::finished};

    MemoryFixture()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QLabel *card(int k) { return window.findChild<QLabel *>(QStringLiteral("Bezeichnung%1").arg(k)); }
    void click(int k) { QTest::mouseClick(card(k), Qt::LeftButton); }
    QWidget *control(const char *name) { return window.findChild<QWidget *>(QString::fromLatin1(name)); }
    QStringList captions()
    {
        QStringList all;
        for (int k = 1; k <= MemoryGame::cardCount; ++k)
            all.append(card(k)->text());
        return all;
    }
    // Colour and slant of every card, as the pupil sees them.
    QStringList looks()
    {
        QStringList all;
        for (int k = 1; k <= MemoryGame::cardCount; ++k) {
            QLabel *label = card(k);
            all.append(label->palette().color(QPalette::Window).name()
                       + (label->font().italic() ? QStringLiteral(" italic") : QString()));
        }
        return all;
    }
};
} // namespace

class TestMemoryGameWindow : public QObject {
    Q_OBJECT
private slots:
    void windowIsCentredOnItsFirstShowOnly();
    void cardsStartCovered();
    void foundPairTurnsBrightBlueAndItalic();
    void helpExplainsTheGameAndChangesNothing();
    void quitQuestionLeavesOnlyOnYes_data();
    void quitQuestionLeavesOnlyOnYes();
    void boardLeftUnfinishedComesBackUnchanged_data();
    void boardLeftUnfinishedComesBackUnchanged();
    void ninthPairPraisesThenCoversTheBoardAndLeaves();
};



void TestMemoryGameWindow::windowIsCentredOnItsFirstShowOnly()
{
    ScriptedPlatform platform;
    platform.screen = QSize(1000, 800);
    ScriptedRandom random;
    MemoryGameWindow window(platform, random);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint centred((1000 - window.frameGeometry().width()) / 2,
                         (800 - window.frameGeometry().height()) / 2);
    QCOMPARE(window.pos(), centred);

    window.move(10, 20);
    window.hide();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.pos(), QPoint(10, 20));
}

void TestMemoryGameWindow::cardsStartCovered()
{
    MemoryFixture game;
    QCOMPARE(game.captions(), QStringList(18, QString()));
    QCOMPARE(game.looks(), QStringList(18, covering.name()));
    QCOMPARE(game.random.drawn(), 0); // the board is dealt by the first click, not by showing
}

void TestMemoryGameWindow::foundPairTurnsBrightBlueAndItalic()
{
    MemoryFixture game;
    game.click(3);
    QCOMPARE(game.random.drawn(), 18);
    QCOMPARE(game.card(3)->text(), QStringLiteral("2 * 8"));
    QCOMPARE(game.card(3)->palette().color(QPalette::Window), covering);
    QVERIFY(!game.card(3)->font().italic());

    game.click(4);

    for (int k : {3, 4}) {
        QLabel *card = game.card(k);
        QCOMPARE(card->text(), QStringLiteral("2 * 8"));
        QCOMPARE(card->palette().color(QPalette::Window), brightBlue);
        QVERIFY(card->font().italic());
        QCOMPARE(card->grab().toImage().pixelColor(card->width() / 2, 3), brightBlue);
    }
    QCOMPARE(game.card(5)->palette().color(QPalette::Window), covering);
    QVERIFY(game.platform.messages.isEmpty());
}

void TestMemoryGameWindow::helpExplainsTheGameAndChangesNothing()
{
    MemoryFixture game;
    game.click(1);
    game.click(2);
    game.click(5);
    const QStringList captions = game.captions();
    const QStringList looks = game.looks();

    QTest::mouseClick(game.control("Befehl2"), Qt::LeftButton);

    QCOMPARE(game.platform.messages.size(), 1);
    const ScriptedPlatform::Message &box = game.platform.messages.first();
    QCOMPARE(box.text, QStringLiteral("Immer zwei Felder bilden ein Zahlenpaar, klicke") + CR
                           + QStringLiteral("die Einzelfelder an und suche so Zahlenpaare!"));
    QCOMPARE(box.title, QStringLiteral("Memory"));
    QCOMPARE(box.buttons, MessageButtons::Ok);
    QCOMPARE(game.captions(), captions);
    QCOMPARE(game.looks(), looks);
    QVERIFY(game.window.isVisible());
    QCOMPARE(game.finished.size(), 0);
}

void TestMemoryGameWindow::quitQuestionLeavesOnlyOnYes_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("left");
    QTest::newRow("Yes") << MessageAnswer::Yes << true;
    QTest::newRow("No") << MessageAnswer::No << false;
}

void TestMemoryGameWindow::quitQuestionLeavesOnlyOnYes()
{
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, left);
    MemoryFixture game;
    game.platform.answers = {answer};
    QTest::mouseClick(game.control("Befehl1"), Qt::LeftButton);

    QCOMPARE(game.platform.messages.size(), 1);
    const ScriptedPlatform::Message &box = game.platform.messages.first();
    QCOMPARE(box.text, QStringLiteral("  Dieses Spiel jetzt beenden?"));
    QCOMPARE(box.title, QStringLiteral("Memory"));
    QCOMPARE(box.buttons, MessageButtons::YesNo);
    QCOMPARE(box.icon, MessageIcon::Stop);
    QCOMPARE(box.defaultButton, DefaultButton::First);
    QCOMPARE(game.window.isVisible(), !left);
    QCOMPARE(game.finished.size(), left ? 1 : 0);
}

void TestMemoryGameWindow::boardLeftUnfinishedComesBackUnchanged_data()
{
    QTest::addColumn<bool>("throughFrame");
    QTest::newRow("ENDE, Yes") << false;
    QTest::newRow("window closed through its frame") << true;
}

void TestMemoryGameWindow::boardLeftUnfinishedComesBackUnchanged()
{
    QFETCH(bool, throughFrame);
    MemoryFixture game;
    game.click(1);
    game.click(2);
    game.click(7);
    const QStringList captions = game.captions();
    const QStringList looks = game.looks();

    if (throughFrame) {
        QVERIFY(game.window.close());
    } else {
        game.platform.answers = {MessageAnswer::Yes};
        QTest::mouseClick(game.control("Befehl1"), Qt::LeftButton);
    }
    QVERIFY(!game.window.isVisible());
    QCOMPARE(game.finished.size(), 1);

    game.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    QCOMPARE(game.captions(), captions);
    QCOMPARE(game.looks(), looks);

    // Card 7 is still the open first card of its turn: its partner completes the pair.
    game.click(8);
    QCOMPARE(game.card(7)->palette().color(QPalette::Window), brightBlue);
    QCOMPARE(game.card(8)->palette().color(QPalette::Window), brightBlue);
    QCOMPARE(game.random.drawn(), 18);
}

void TestMemoryGameWindow::ninthPairPraisesThenCoversTheBoardAndLeaves()
{
    MemoryFixture game;
    QStringList looksDuringPraise;
    game.platform.whileMessageOpen = [&](const ScriptedPlatform::Message &) {
        looksDuringPraise = game.looks();
    };
    for (int k = 1; k <= MemoryGame::cardCount; ++k)
        game.click(k);

    QCOMPARE(game.platform.messages.size(), 1);
    const ScriptedPlatform::Message &box = game.platform.messages.first();
    QCOMPARE(box.text, QStringLiteral("Prima, du hast es geschafft!") + CR);
    QCOMPARE(box.title, QStringLiteral("Memory"));
    QCOMPARE(box.buttons, MessageButtons::Ok);
    QCOMPARE(looksDuringPraise, QStringList(18, brightBlue.name() + QStringLiteral(" italic")));

    QVERIFY(!game.window.isVisible());
    QCOMPARE(game.finished.size(), 1);
    QCOMPARE(game.captions(), QStringList(18, QString()));
    QCOMPARE(game.looks(), QStringList(18, covering.name()));

    // The next game deals a new board on its first click.
    game.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&game.window));
    game.random.append(orderedDeal());
    game.click(18);
    QCOMPARE(game.random.drawn(), 36);
    QCOMPARE(game.card(18)->text(), QStringLiteral("9 * 1"));
    QCOMPARE(game.card(17)->text(), QString());
}

QTEST_MAIN(TestMemoryGameWindow)
#include "test_memory_game_window.moc"
