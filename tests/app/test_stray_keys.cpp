// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_shell.h"
#include "app/info_window.h"
#include "app/main_menu_window.h"
#include "rewards/catch_game_window.h"
#include "rewards/memory_game_window.h"
#include "trainer_multi/multi_row_trainer_window.h"
#include "trainer_single/single_row_trainer_window.h"

#include "support/shell_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QtTest/QTest>

// A pupil's stray Space or Return presses no command in any window, whether it
// has just opened or a button was clicked before; Tab still reaches the buttons.
class TestStrayKeys : public QObject {
    Q_OBJECT
private slots:
    void strayKeysPressNoButton_data();
    void strayKeysPressNoButton();
};

void TestStrayKeys::strayKeysPressNoButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("clickFirst"); // a button clicked with the mouse before the keys
    QTest::newRow("main menu") << "Form0" << "";
    QTest::newRow("info window") << "ORBLABEL" << "";
    QTest::newRow("one-row trainer") << "Form1" << "Befehl15";
    QTest::newRow("two-row trainer") << "Form2" << "Befehl15";
    QTest::newRow("three-row trainer") << "Form3" << "Befehl12";
    QTest::newRow("memory game") << "memo" << "Befehl2";
    QTest::newRow("catching game") << "Form4" << "";
}

void TestStrayKeys::strayKeysPressNoButton()
{
    QFETCH(QString, window);
    QFETCH(QString, clickFirst);
    ShellFixture f;
    f.shell.start();
    QWidget *target = f.shell.mainMenu();
    const QHash<QString, QString> menuButtons{{"Form1", "Bild1"}, {"Form2", "Bild2"}, {"Form3", "Bild6"},
                                              {"ORBLABEL", "Bild4"}};
    if (menuButtons.contains(window)) {
        QTest::mouseClick(f.menuButton(menuButtons.value(window)), Qt::LeftButton);
        target = window == QStringLiteral("ORBLABEL") ? static_cast<QWidget *>(f.shell.infoWindow())
               : window == QStringLiteral("Form1")    ? static_cast<QWidget *>(f.shell.singleRowTrainer())
               : window == QStringLiteral("Form2")    ? f.shell.twoRowTrainer()
                                                      : f.shell.threeRowTrainer();
    } else if (window == QStringLiteral("memo")) {
        f.openSingleRowTrainer();
        emit f.shell.singleRowTrainer()->memoryGameRequested();
        target = f.shell.memoryGame();
    } else if (window == QStringLiteral("Form4")) {
        f.openSingleRowTrainer();
        emit f.shell.singleRowTrainer()->catchGameRequested();
        target = f.shell.catchGame();
    }
    QCOMPARE(target->objectName(), window);
    QVERIFY(QTest::qWaitForWindowActive(target));
    if (!clickFirst.isEmpty())
        QTest::mouseClick(target->findChild<QAbstractButton *>(clickFirst), Qt::LeftButton);
    f.platform.clearRecords();
    const bool locked = f.shell.printerLock().isSet();
    const int drawn = f.random.drawn();

    QVERIFY(!qobject_cast<QAbstractButton *>(QApplication::focusWidget()));
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(QApplication::focusWidget(), key);
    QVERIFY(target->isVisible());
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.shell.printerLock().isSet(), locked);
    // No new task; in the memory game the keys turn the card with the focus frame, as a pupil means them to.
    if (window != QStringLiteral("memo"))
        QCOMPARE(f.random.drawn(), drawn);
    if (target != f.shell.mainMenu() && window != QStringLiteral("ORBLABEL"))
        QVERIFY(!f.shell.mainMenu()->isVisible());

    // Keyboard users still reach the buttons with Tab (in a trainer after its fields).
    for (int tab = 0; tab < 30 && !qobject_cast<QAbstractButton *>(QApplication::focusWidget()); ++tab)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(qobject_cast<QAbstractButton *>(QApplication::focusWidget()));
}

QTEST_MAIN(TestStrayKeys)
#include "test_stray_keys.moc"
