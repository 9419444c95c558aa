#include "rewards/catch_game_window.h"
#include "rewards/memory_game_window.h"
#include "app/app_shell.h"
#include "shell/digit_field.h"
#include "app/main_menu_window.h"
#include "shell/random_source.h"
#include "trainer_single/single_row_trainer_window.h"

#include "support/drop.h"
#include "support/scripted_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QtTest/QTest>

// A restless pupil: thousands of random clicks, drops, keys and window closes.
// The program must never lose a point or leave the pupil without a window.
class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomInputKeepsOneWorkingWindowAndEveryPoint_data();
    void randomInputKeepsOneWorkingWindowAndEveryPoint();
};

void TestMonkey::randomInputKeepsOneWorkingWindowAndEveryPoint_data()
{
    QTest::addColumn<quint64>("seed");
    for (quint64 seed : {1ULL, 2ULL, 3ULL})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestMonkey::randomInputKeepsOneWorkingWindowAndEveryPoint()
{
    QFETCH(quint64, seed);
    ScriptedPlatform platform;
    MixingRandomSource programRandom(seed);
    MixingRandomSource monkey(seed * 7919);
    AppShell shell(platform, programRandom);
    shell.start();
    // Every question gets a random answer.
    platform.whileMessageOpen = [&](const ScriptedPlatform::Message &message) {
        if (message.buttons == MessageButtons::YesNo)
            platform.answers.prepend(monkey.next() < 0.5 ? MessageAnswer::Yes : MessageAnswer::No);
    };

    auto workingWindows = [&] {
        QList<QWidget *> windows;
        windows << shell.mainMenu();
        if (shell.hasSingleRowTrainer())
            windows << shell.singleRowTrainer();
        windows << shell.catchGame() << shell.memoryGame();
        QList<QWidget *> visible;
        for (QWidget *w : windows)
            if (w->isVisible())
                visible << w;
        return visible;
    };
    const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Escape, Qt::Key_A};
    int points = 0;
    for (int step = 0; step < 1500; ++step) {
        const QList<QWidget *> visible = workingWindows();
        QCOMPARE(visible.size(), 1);
        QWidget *window = visible.first();
        const double choice = monkey.next();
        if (choice < 0.03 && window != shell.mainMenu()) {
            window->close();
        } else if (choice < 0.15) {
            QTest::keyClick(window, Qt::Key(keys[monkey.draw(0, 5)]));
        } else {
            QList<QWidget *> targets;
            for (QWidget *child : window->findChildren<QWidget *>())
                if (child->isVisible() && child->isEnabled()
                    && (qobject_cast<QAbstractButton *>(child) || qobject_cast<QLabel *>(child)))
                    targets << child;
            QWidget *target = targets.at(monkey.draw(0, int(targets.size()) - 1));
            if (qobject_cast<DigitField *>(target) && monkey.next() < 0.8)
                dropTile(target, QString::number(monkey.draw(0, 9)));
            else if (target->objectName() != QStringLiteral("Bild3") || window != shell.mainMenu())
                QTest::mouseClick(target, Qt::LeftButton);
        }
        if (shell.hasSingleRowTrainer()) {
            const int now = shell.singleRowTrainer()->model().rewards().points();
            QVERIFY(now >= points);
            points = now;
        }
    }
    QVERIFY(points > 0);
}

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
