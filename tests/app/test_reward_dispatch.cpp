// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/catch_game_window.h"
#include "rewards/memory_game_window.h"
#include "app/app_shell.h"
#include "app/main_menu_window.h"
#include "shell/window_scale.h"
#include "shell/window_setup.h"
#include "trainer_single/single_row_trainer_window.h"

#include "support/scripted_platform.h"
#include "support/scripted_random.h"
#include "support/shell_test.h"

#include <QAbstractButton>
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

private:
    SingleRowTrainerWindow *trainer() { return m_shell->singleRowTrainer(); }
    QLabel *trainerLabel(const QString &name) { return trainer()->findChild<QLabel *>(name); }
    void openTrainer() { m_fixture->openSingleRowTrainer(); }
    void dropRight(const QString &name)
    {
        SingleRowTrainerModel &model = trainer()->model();
        const int field = model.design().indexOf(name);
        if (model.isVisible(field))
            model.dropDigit(field, model.expectedDigit(field));
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
    auto *invitation = trainerLabel(QStringLiteral("Bezeichnung26"));
    QVERIFY(invitation->isVisible());
    const int messagesBefore = int(m_platform->messages.size());
    QTest::mouseClick(invitation, Qt::LeftButton);
    CatchGameWindow *game = m_shell->catchGame();
    QVERIFY(game->isVisible());
    QVERIFY(!trainer()->isVisible());
    QVERIFY(!invitation->isVisible());
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
    QTest::mouseClick(trainerLabel(QStringLiteral("Bezeichnung26")), Qt::LeftButton);
    m_platform->answers.append(MessageAnswer::Yes);
    QTest::keyClick(m_shell->catchGame(), Qt::Key_Escape);
    QVERIFY(!m_shell->catchGame()->isVisible());
    QVERIFY(trainer()->isVisible());
    QCOMPARE(trainerLabel(QStringLiteral("Bezeichnung22"))->text(), QStringLiteral("50"));
    QVERIFY(!trainerLabel(QStringLiteral("Bezeichnung26"))->isVisible());
}

void TestRewardDispatch::memoryInvitationSendsTheRocketBack()
{
    openTrainer();
    solveTasks(18);
    auto *invitation = trainerLabel(QStringLiteral("Bezeichnung14"));
    QVERIFY(invitation->isVisible());
    QCOMPARE(trainerLabel(QStringLiteral("Bild1"))->y(), 360 / 15);
    QTest::mouseClick(invitation, Qt::LeftButton);
    QVERIFY(m_shell->memoryGame()->isVisible());
    QVERIFY(!trainer()->isVisible());
    QVERIFY(!invitation->isVisible());
    QCOMPARE(trainer()->model().rewards().rocketTop(), 4680);
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
    WindowSetup::zoom(trainer(), WindowSetup::ZoomStep::In);
    if (memory) {
        solveTasks(18);
        QTest::mouseClick(trainerLabel(QStringLiteral("Bezeichnung14")), Qt::LeftButton);
    } else {
        earnPoints(50);
        QTest::mouseClick(trainerLabel(QStringLiteral("Bezeichnung26")), Qt::LeftButton);
    }
    QWidget *game = memory ? static_cast<QWidget *>(m_shell->memoryGame()) : m_shell->catchGame();
    QCOMPARE(WindowScale::factorOf(game), 1.25);
    game->close();
    QVERIFY(!game->isVisible());
    QVERIFY(trainer()->isVisible());
    QCOMPARE(m_platform->quitCalls, 0);
}

QTEST_MAIN(TestRewardDispatch)
#include "test_reward_dispatch.moc"
