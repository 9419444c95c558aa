// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_shell.h"
#include "app/info_window.h"
#include "app/main_menu_texts.h"
#include "app/main_menu_window.h"

#include "support/scripted_platform.h"
#include "support/scripted_random.h"
#include "support/shell_test.h"

#include <QAbstractButton>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest/QTest>

namespace {
// The darkest and the lightest grey level within a part of an image.
std::pair<int, int> greyRange(const QImage &image, const QRect &part)
{
    int darkest = 255;
    int lightest = 0;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            darkest = qMin(darkest, grey);
            lightest = qMax(lightest, grey);
        }
    }
    return {darkest, lightest};
}
} // namespace

class TestMainMenu : public ShellTest {
    Q_OBJECT
public:
    TestMainMenu() : ShellTest(true) {}

private slots:
    void startCreatesOnlyTheCentredMenu();
    void helpTextIsExactWithCarriageReturnLineFeeds();
    void typingIntoTheHelpLeavesItUnchanged();
    void helpIsWhiteOnBlackWithReadableScrollArrows();
    void imageButtonsAreNamedForScreenReaders_data();
    void imageButtonsAreNamedForScreenReaders();
    void exitQuestion_data();
    void exitQuestion();
    void closeBoxEndsWithoutAsking();
    void infoButtonOpensTheInfoWindowBesideTheMenu();

private:
    QAbstractButton *menuButton(const QString &name)
    {
        return m_shell->mainMenu()->findChild<QAbstractButton *>(name);
    }
};

void TestMainMenu::startCreatesOnlyTheCentredMenu()
{
    MainMenuWindow *menu = m_shell->mainMenu();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->objectName(), QStringLiteral("Form0"));
    QCOMPARE(menu->windowTitle(), QStringLiteral("Schriftliche Multiplikation"));
    QCOMPARE(menu->size(), QSize(6300 / 15, 6705 / 15));
    QCOMPARE(menu->minimumSize(), menu->maximumSize());
    // Centred with its frame, which is known only once the window is shown.
    const QRect frame = menu->frameGeometry();
    QVERIFY(frame.size() != menu->size());
    QCOMPARE(frame.topLeft(), QPoint((1280 - frame.width()) / 2, (1024 - frame.height()) / 2));
    QVERIFY(!m_shell->hasSingleRowTrainer());
    QVERIFY(!m_shell->hasInfoWindow());
    QCOMPARE(m_random->drawn(), 0);
}

void TestMainMenu::helpTextIsExactWithCarriageReturnLineFeeds()
{
    const QString text = MainMenuTexts::helpText();
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 16); // fifteen lines, each ended by CR LF
    QCOMPARE(lines.last(), QString());
    QCOMPARE(lines.first(), QStringLiteral("Mit diesem Programm kann die schriftliche einreihige Multiplikation trainiert werden. Das Ausdrucken von Übungsblättern ist ebenfalls möglich."));
    QCOMPARE(lines.at(7), QStringLiteral("Zum Üben kann ein Arbeitsblatt ausgedruckt werden."));
    QCOMPARE(lines.at(14), QStringLiteral("Das Passwort zum Aufheben der Druckersperre entspricht der in diesem Moment angezeigten Anzahl der richtigen Punkte."));
    for (int empty : {1, 3, 6, 9, 12})
        QCOMPARE(lines.at(empty), QString());
    QVERIFY(!text.contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n"))));

    auto *help = m_shell->mainMenu()->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QCOMPARE(help->toPlainText().split(QLatin1Char('\n')), lines);
}

void TestMainMenu::typingIntoTheHelpLeavesItUnchanged()
{
    auto *help = m_shell->mainMenu()->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    const QString before = help->toPlainText();
    help->setFocus();
    QTest::keyClicks(help, QStringLiteral("abc"));
    QTest::keyClick(help, Qt::Key_Backspace);
    QTest::keyClick(help, Qt::Key_Delete);
    QCOMPARE(help->toPlainText(), before);
    // Even a change made behind the pupil's back is replaced by the full text.
    help->setPlainText(QStringLiteral("kaputt"));
    QCOMPARE(help->toPlainText(), before);
}

void TestMainMenu::helpIsWhiteOnBlackWithReadableScrollArrows()
{
    auto *help = m_shell->mainMenu()->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QVERIFY(QTest::qWaitForWindowExposed(m_shell->mainMenu()));
    const QImage text = help->viewport()->grab().toImage();
    const int textLightest = greyRange(text, text.rect()).second;
    QCOMPARE(text.pixelColor(1, text.height() - 2), QColor(Qt::black));
    QCOMPARE(textLightest, 255); // white letters

    // Each arrow button of the scroll bar shows its arrow clearly against the button.
    QScrollBar *bar = help->verticalScrollBar();
    QVERIFY(bar->isVisible());
    const QImage shown = bar->grab().toImage();
    const int side = shown.width();
    for (const QRect &button : {QRect(0, 0, side, side), QRect(0, shown.height() - side, side, side)}) {
        const auto [darkest, lightest] = greyRange(shown, button.adjusted(3, 3, -3, -3));
        QVERIFY2(lightest - darkest >= 96,
                 qPrintable(QStringLiteral("arrow grey %1 on button grey %2").arg(darkest).arg(lightest)));
    }
}

void TestMainMenu::imageButtonsAreNamedForScreenReaders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("exit") << "Bild3" << "Beenden" << QRect(720, 840, 495, 495);
    QTest::newRow("one-row trainer") << "Bild1" << "Einreihige Multiplikation" << QRect(2880, 840, 495, 495);
    QTest::newRow("info") << "Bild4" << "Info" << QRect(5040, 840, 495, 495);
    QTest::newRow("two-row trainer") << "Bild2" << "Zweireihige Multiplikation" << QRect();
    QTest::newRow("three-row trainer") << "Bild6" << "Dreireihige Multiplikation" << QRect();
}

void TestMainMenu::imageButtonsAreNamedForScreenReaders()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(QRect, twips);
    QAbstractButton *button = menuButton(name);
    QVERIFY(button);
    QCOMPARE(button->accessibleName(), accessibleName);
    // Every button is shown inside the window, where a pupil can reach it.
    QVERIFY(button->isVisible());
    QVERIFY(m_shell->mainMenu()->rect().contains(button->geometry()));
    if (!twips.isNull())
        QCOMPARE(button->geometry(), QRect(twips.x() / 15, twips.y() / 15, 33, 33));
}

void TestMainMenu::exitQuestion_data()
{
    QTest::addColumn<bool>("scripted");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("quits");
    QTest::newRow("No keeps the program running") << true << int(MessageAnswer::No) << 0;
    QTest::newRow("Enter takes the default, No") << false << 0 << 0;
    QTest::newRow("Yes ends the program") << true << int(MessageAnswer::Yes) << 1;
}

void TestMainMenu::exitQuestion()
{
    QFETCH(bool, scripted);
    QFETCH(int, answer);
    QFETCH(int, quits);
    if (scripted)
        m_platform->answers.append(MessageAnswer(answer));
    QTest::mouseClick(menuButton(QStringLiteral("Bild3")), Qt::LeftButton);
    QCOMPARE(m_platform->messages.size(), 1);
    const auto &box = m_platform->messages.first();
    QCOMPARE(box.text, QStringLiteral("Dieses Programm jetzt beenden?\r\r\r"));
    QCOMPARE(box.title, QStringLiteral("Schriftliche Multiplikation"));
    QCOMPARE(box.buttons, MessageButtons::YesNo);
    QCOMPARE(box.icon, MessageIcon::Stop);
    QCOMPARE(box.defaultButton, DefaultButton::Second);
    QCOMPARE(m_platform->quitCalls, quits);
    if (quits == 0)
        QVERIFY(m_shell->mainMenu()->isVisible());
}

void TestMainMenu::closeBoxEndsWithoutAsking()
{
    QVERIFY(!m_shell->mainMenu()->close());
    QCOMPARE(m_platform->quitCalls, 1);
    QCOMPARE(m_platform->messages.size(), 0);
}

void TestMainMenu::infoButtonOpensTheInfoWindowBesideTheMenu()
{
    QTest::mouseClick(menuButton(QStringLiteral("Bild4")), Qt::LeftButton);
    QVERIFY(m_shell->hasInfoWindow());
    QVERIFY(m_shell->infoWindow()->isVisible());
    QVERIFY(m_shell->mainMenu()->isVisible());
}

QTEST_MAIN(TestMainMenu)
#include "test_main_menu.moc"
