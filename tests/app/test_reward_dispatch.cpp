// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/catch_game_window.h"
#include "rewards/memory_game_window.h"
#include "app/app_shell.h"
#include "app/main_menu_window.h"
#include "trainer_single/single_row_trainer_window.h"

#include "support/cells.h"
#include "support/scripted_platform.h"
#include "support/scripted_random.h"
#include "support/shell_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QtTest/QTest>

class TestRewardDispatch : public ShellTest {
    Q_OBJECT
private slots:
    void catchInvitationStartsThePreparedGame();
    void quittingTheCatchGameReturnsToTheTrainerWithItsPoints();
    void memoryInvitationSendsTheRocketBack();
    void gameTakesTheTrainersZoomAndClosingItLeadsBack_data();
    void gameTakesTheTrainersZoomAndClosingItLeadsBack();
    void bothInvitationsAreTakenByKeys_data();
    void bothInvitationsAreTakenByKeys();

private:
    SingleRowTrainerWindow *trainer() { return m_shell->singleRowTrainer(); }
    QLabel *trainerLabel(const QString &name) { return trainer()->findChild<QLabel *>(name); }
    QWidget *invitation(const QString &name) { return trainer()->findChild<QWidget *>(name); }
    void openTrainer() { m_fixture->openSingleRowTrainer(); }
    void dropRight(const QString &name)
    {
        SingleRowTrainerModel &model = trainer()->model();
        const int field = cellNamed(model.design(), name);
        if (model.isVisible(field))
            model.dropDigit(field, *model.expectedDigit(field));
    }
    void earnPoints(int points)
    {
        for (int i = 0; i < points; ++i)
            dropRight(QStringLiteral("Bezeichnung9"));
    }
    void solveTasks(int tasks)
    {
        for (int t = 0; t < tasks; ++t)
            for (int field : {10, 11, 12, 13, 17})
                dropRight(QStringLiteral("Bezeichnung%1").arg(field));
    }

};

void TestRewardDispatch::catchInvitationStartsThePreparedGame()
{
    openTrainer();
    earnPoints(50);
    QWidget *catchInvitation = invitation(QStringLiteral("Bezeichnung26"));
    QVERIFY(catchInvitation->isVisible());
    const int messagesBefore = int(m_platform->messages.size());
    QTest::mouseClick(catchInvitation, Qt::LeftButton);
    CatchGameWindow *game = m_shell->catchGame();
    QVERIFY(game->isVisible());
    QVERIFY(!trainer()->isVisible());
    QVERIFY(!catchInvitation->isVisible());
    QCOMPARE(m_platform->messages.size(), messagesBefore); // the one-row trainer shows no message first
    const CatchGameState &state = m_shell->catchGameState();
    QCOMPARE(state.CursorColumn, qint16(14));
    QCOMPARE(state.CursorRow, qint16(9));
    QCOMPARE(state.DigitsToCatch, QStringLiteral("0123456789"));
    for (int i = 1; i <= 10; ++i) {
        QCOMPARE(int(state.DigitColumns[std::size_t(i)]), i + 3);
        QCOMPARE(int(state.DigitRows[std::size_t(i)]), i + 3);
    }
}

void TestRewardDispatch::quittingTheCatchGameReturnsToTheTrainerWithItsPoints()
{
    openTrainer();
    earnPoints(50);
    QTest::mouseClick(invitation(QStringLiteral("Bezeichnung26")), Qt::LeftButton);
    m_platform->answers.append(MessageAnswer::Yes);
    QTest::keyClick(m_shell->catchGame(), Qt::Key_Escape);
    QVERIFY(!m_shell->catchGame()->isVisible());
    QVERIFY(trainer()->isVisible());
    QCOMPARE(trainerLabel(QStringLiteral("Bezeichnung22"))->text(), QStringLiteral("50"));
    QVERIFY(!invitation(QStringLiteral("Bezeichnung26"))->isVisible());
}

void TestRewardDispatch::memoryInvitationSendsTheRocketBack()
{
    openTrainer();
    solveTasks(18);
    QWidget *memoryInvitation = invitation(QStringLiteral("Bezeichnung14"));
    QVERIFY(memoryInvitation->isVisible());
    QCOMPARE(trainerLabel(QStringLiteral("Bild1"))->y(), 360 / 15);
    QTest::mouseClick(memoryInvitation, Qt::LeftButton);
    QVERIFY(m_shell->memoryGame()->isVisible());
    QVERIFY(!trainer()->isVisible());
    QVERIFY(!memoryInvitation->isVisible());
    QCOMPARE(trainer()->model().rewards().rocketSteps(), 0);
    QCOMPARE(trainerLabel(QStringLiteral("Bild1"))->y(), 4680 / 15);
}

void TestRewardDispatch::gameTakesTheTrainersZoomAndClosingItLeadsBack_data()
{
    QTest::addColumn<bool>("memory");
    QTest::newRow("catching game") << false;
    QTest::newRow("memory game") << true;
}

void TestRewardDispatch::gameTakesTheTrainersZoomAndClosingItLeadsBack()
{
    QFETCH(bool, memory);
    openTrainer();
    trainer()->placement().zoom(ZoomStep::In);
    if (memory) {
        solveTasks(18);
        QTest::mouseClick(invitation(QStringLiteral("Bezeichnung14")), Qt::LeftButton);
    } else {
        earnPoints(50);
        QTest::mouseClick(invitation(QStringLiteral("Bezeichnung26")), Qt::LeftButton);
    }
    QWidget *game = memory ? static_cast<QWidget *>(m_shell->memoryGame()) : m_shell->catchGame();
    QCOMPARE(memory ? m_shell->memoryGame()->placement().zoom() : m_shell->catchGame()->placement().zoom(), 1.25);
    QCOMPARE(game->width(), qRound((memory ? 6525 : 7245) / 15 * 1.25));
    game->close();
    QVERIFY(!game->isVisible());
    QVERIFY(trainer()->isVisible());
    QCOMPARE(m_platform->quitCalls, 0);
}

void TestRewardDispatch::bothInvitationsAreTakenByKeys_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<int>("key");
    QTest::newRow("the catching game with Space") << "Belohnung: Zahlfange" << int(Qt::Key_Space);
    QTest::newRow("the memory game with Return, under the other one") << "Belohnung: Memory" << int(Qt::Key_Return);
}

// Each invitation is in the Tab order, named for its game, and taken by a key as by a click.
void TestRewardDispatch::bothInvitationsAreTakenByKeys()
{
    QFETCH(QString, game);
    QFETCH(int, key);
    openTrainer();
    QVERIFY(QTest::qWaitForWindowActive(trainer()));
    earnPoints(50);
    solveTasks(18);
    QWidget *reached = nullptr;
    for (int tab = 0; tab < 40 && !reached; ++tab) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget()->accessibleName() == game)
            reached = QApplication::focusWidget();
    }
    QVERIFY(reached);
    // The one the keys stand on lies on top, so its focus frame is seen.
    QCOMPARE(trainer()->childAt(reached->mapTo(trainer(), reached->rect().center())), reached);
    QTest::keyClick(reached, Qt::Key(key));
    const bool memory = game.endsWith(QStringLiteral("Memory"));
    QVERIFY(memory ? m_shell->memoryGame()->isVisible() : m_shell->catchGame()->isVisible());
    QVERIFY(!trainer()->isVisible());
}

QTEST_MAIN(TestRewardDispatch)
#include "test_reward_dispatch.moc"
