// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_shell.h"
#include "app/info_window.h"
#include "app/main_menu_texts.h"
#include "app/main_menu_window.h"
#include "rewards/catch_game_window.h"
#include "rewards/memory_game_window.h"
#include "shell/digit_field.h"
#include "shell/digit_tile.h"
#include "shell/random_source.h"
#include "trainer_multi/multi_row_trainer_window.h"
#include "trainer_single/single_row_trainer_window.h"

#include "support/drop.h"
#include "support/scripted_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QSet>
#include <QtTest/QTest>

// A restless pupil: random clicks, digits dragged, typed or tapped (many of
// them right), keys and window closes over every window. After every step
// exactly one working window is shown, every trainer's counters match the
// digits it received, points never fall, and the shown task's answer key
// matches its digits.
//   RECHENHEFT_MONKEY_SEED=n    one seed instead of the usual set
//   RECHENHEFT_MONKEY_STEPS=n   steps per seed (at least 20,000 in all by default)
class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomInputKeepsEveryWindowAndPointRight_data();
    void randomInputKeepsEveryWindowAndPointRight();
    void cleanupTestCase();

private:
    QSet<QString> m_reached; // windows, message titles and commands, over all seeds
    qint64 m_steps = 0;
};

namespace {
struct Tally {
    int right = 0;
    int wrong = 0;
    int points = 0;
};

QString residentMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return QString::fromLatin1(line.mid(6).trimmed());
    return QStringLiteral("?");
}

QString sevenColumns(qint64 value)
{
    return QString::number(value).rightJustified(7, QLatin1Char(' '));
}

QString text(QWidget *window, const QString &name)
{
    const auto *label = window->findChild<QLabel *>(name);
    return label ? label->text() : QString();
}

QStringList listItems(QWidget *window, const QString &name)
{
    QStringList items;
    const auto *list = window->findChild<QListWidget *>(name);
    for (int i = 0; list && i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

// The key lists agree with the digits the one-row trainer shows.
QString singleRowKeyFault(SingleRowTrainerWindow *trainer)
{
    const QStringList a = listItems(trainer, QStringLiteral("Liste1"));
    const QStringList b = listItems(trainer, QStringLiteral("Liste2"));
    if (a.isEmpty())
        return {};
    const qint64 m = a.value(1).trimmed().toLongLong();
    const qint64 multiplicand = a.value(0).trimmed().toLongLong();
    const qint64 p = multiplicand * m;
    if (a.value(2) != sevenColumns(100 * p)
        || b != QStringList{sevenColumns(p), sevenColumns(10 * p), sevenColumns(100 * p)})
        return QStringLiteral("one-row key lists do not fit together");
    const bool gaps = trainer->model().gapMode();
    const QString digits = QString::number(multiplicand) + QString::number(m);
    for (int i = 0; i < 5; ++i) {
        const QString shown = text(trainer, gaps ? QStringLiteral("luecke%1").arg(i + 1)
                                                 : QStringLiteral("Bezeichnung%1").arg(i + 1));
        if (!(gaps && shown.isEmpty()) && shown != digits.mid(i, 1))
            return QStringLiteral("one-row task shows %1 at place %2, its key %3").arg(shown).arg(i + 1).arg(digits);
    }
    return {};
}

// The key list holds the partial products and the sum of the digits shown.
QString multiRowKeyFault(MultiRowTrainerWindow *trainer)
{
    const MultiRowTrainerModel &model = trainer->model();
    const QStringList key = listItems(trainer, QStringLiteral("Liste1"));
    if (key.isEmpty())
        return {};
    const TrainerView view = model.gapMode() ? TrainerView::GapPanel : TrainerView::Normal;
    QStringList taskRow;
    for (int i = 0; i < model.design().size(); ++i)
        if (model.design().cell(i).view == view && model.design().cell(i).row == 0 && model.design().holdsDigit(i))
            taskRow.append(model.design().cell(i).name);
    qint64 multiplicand = 0;
    QList<int> multiplier;
    for (int i = 0; i < taskRow.size(); ++i) {
        const int digit = text(trainer, taskRow.at(i)).toInt();
        if (i < 4)
            multiplicand = 10 * multiplicand + digit;
        else
            multiplier.append(digit);
    }
    QStringList expected;
    qint64 sum = 0;
    for (int i = 0; i < multiplier.size(); ++i) {
        qint64 partial = multiplicand * multiplier.at(i);
        for (int place = int(multiplier.size()) - 1; place > i; --place)
            partial *= 10;
        sum += partial;
        expected.append(QString::number(partial));
    }
    expected.append(QString::number(sum));
    return key == expected ? QString()
                           : QStringLiteral("multi-row key %1 for the shown task, expected %2")
                                 .arg(key.join(QLatin1Char(',')), expected.join(QLatin1Char(',')));
}
// The games' own inputs: keys to the card that holds the focus frame, taps on the catching field.
void sendGameInput(QWidget *game, MixingRandomSource &monkey)
{
    const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                            Qt::Key_Tab};
    if (qobject_cast<MemoryGameWindow *>(game)) {
        QTest::keyClick(game->focusWidget() ? game->focusWidget() : game, keys[monkey.draw(0, 6)]);
    } else if (auto *field = game->findChild<QWidget *>(QStringLiteral("Figur2"))) {
        const QPoint where(monkey.draw(0, field->width() - 1), monkey.draw(0, field->height() - 1));
        QTest::mouseClick(field, Qt::LeftButton, {}, where);
    }
}
} // namespace

void TestMonkey::randomInputKeepsEveryWindowAndPointRight_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("steps");
    const int steps = qEnvironmentVariableIsSet("RECHENHEFT_MONKEY_STEPS")
        ? qEnvironmentVariableIntValue("RECHENHEFT_MONKEY_STEPS")
        : 7000;
    QList<quint64> seeds{1, 2, 3};
    if (qEnvironmentVariableIsSet("RECHENHEFT_MONKEY_SEED"))
        seeds = {qEnvironmentVariable("RECHENHEFT_MONKEY_SEED").toULongLong()};
    for (quint64 seed : seeds)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << steps;
}

void TestMonkey::randomInputKeepsEveryWindowAndPointRight()
{
    QFETCH(quint64, seed);
    QFETCH(int, steps);
    ScriptedPlatform platform;
    MixingRandomSource programRandom(seed);
    MixingRandomSource monkey(seed * 7919 + 17);
    AppShell shell(platform, programRandom);
    shell.start();
    // Every question gets a random answer, but the program is never ended.
    QSet<QString> reached;
    platform.whileMessageOpen = [&](const ScriptedPlatform::Message &message) {
        reached.insert(message.title);
        if (message.buttons != MessageButtons::YesNo)
            return;
        const bool exit = message.text == MainMenuTexts::exitQuestion();
        platform.answers.prepend(!exit && monkey.next() < 0.5 ? MessageAnswer::Yes : MessageAnswer::No);
    };

    QHash<QWidget *, Tally> tallies;
    auto trainers = [&] {
        QList<TrainerWindow *> list;
        if (shell.hasSingleRowTrainer())
            list << shell.singleRowTrainer();
        if (shell.hasTwoRowTrainer())
            list << shell.twoRowTrainer();
        if (shell.hasThreeRowTrainer())
            list << shell.threeRowTrainer();
        return list;
    };
    auto expectedDigit = [&](DigitField *field) {
        TrainerModel *model = nullptr;
        if (auto *single = qobject_cast<SingleRowTrainerWindow *>(field->window()))
            model = &single->model();
        else if (auto *multi = qobject_cast<MultiRowTrainerWindow *>(field->window()))
            model = &multi->model();
        return model ? model->expectedDigit(model->design().indexOf(field->objectName())) : QString();
    };
    auto pointsOf = [](TrainerWindow *trainer) {
        return trainer->findChild<QLabel *>(QStringLiteral("Bezeichnung22"))->text().toInt();
    };

    const int keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right,
                        Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab, Qt::Key_A, Qt::Key_5};
    QElapsedTimer clock;
    clock.start();
    for (int step = 0; step < steps; ++step) {
        // The records are read as they come; kept whole they would outgrow a long run.
        if (!platform.printJobs.isEmpty())
            reached.insert(QStringLiteral("printed"));
        if (!platform.clipboardWrites.isEmpty())
            reached.insert(QStringLiteral("copied"));
        if (step % 1000 == 0)
            platform.clearRecords();
        // The program's memory over a long run: flat once every window exists.
        if (steps >= 100000 && step % (steps / 10) == 0)
            qInfo("step %d: resident memory %s", step, qPrintable(residentMemory()));
        const QString where = QStringLiteral("seed %1, step %2 (RECHENHEFT_MONKEY_SEED=%1 reproduces it)")
                                  .arg(seed)
                                  .arg(step);
        QList<QWidget *> working{shell.mainMenu()};
        for (TrainerWindow *trainer : trainers())
            working << trainer;
        working << shell.catchGame() << shell.memoryGame();
        QList<QWidget *> visible;
        for (QWidget *w : working)
            if (w->isVisible())
                visible << w;
        QVERIFY2(visible.size() == 1, qPrintable(where + QStringLiteral(": %1 working windows").arg(visible.size())));
        QVERIFY2(platform.quitCalls == 0, qPrintable(where));
        QWidget *window = visible.first();
        reached.insert(window->objectName());
        if (shell.hasInfoWindow() && shell.infoWindow()->isVisible() && monkey.next() < 0.1) {
            window = shell.infoWindow();
            reached.insert(QStringLiteral("%1 (lock %2)").arg(window->objectName()).arg(shell.printerLock().isSet()));
        }

        // The password is sometimes the points shown, sometimes not.
        const auto *pointsLabel = window->findChild<QLabel *>(QStringLiteral("Bezeichnung22"));
        platform.inputs = {pointsLabel && monkey.next() < 0.5 ? pointsLabel->text() : QStringLiteral("Passwort")};

        const double choice = monkey.next();
        if (choice < 0.01 && window != shell.mainMenu()) {
            window->close();
        } else if (choice < 0.06) {
            QTest::keyClick(window, Qt::Key(keys[monkey.draw(0, 9)]));
        } else if (choice < 0.4 && (window == shell.catchGame() || window == shell.memoryGame())) {
            sendGameInput(window, monkey);
        } else {
            QList<QWidget *> targets;
            QList<DigitField *> fields;
            const auto children = window->findChildren<QWidget *>();
            for (QWidget *child : children) {
                // Only what a pupil can reach: shown, and not covered by a panel.
                QWidget *top = window->childAt(child->mapTo(window, child->rect().center()));
                if (!child->isVisible() || !child->isEnabled() || !(top == child || child->isAncestorOf(top)))
                    continue;
                if (auto *field = qobject_cast<DigitField *>(child))
                    fields << field;
                else if (qobject_cast<QAbstractButton *>(child) || qobject_cast<QLabel *>(child))
                    targets << child;
            }
            if (!fields.isEmpty() && monkey.next() < 0.8) {
                DigitField *field = fields.at(monkey.draw(0, int(fields.size()) - 1));
                const QString expected = expectedDigit(field);
                const QString digit = monkey.next() < 0.75 && !expected.isEmpty()
                    ? expected
                    : QString::number(monkey.draw(0, 9));
                // Dragged, typed into the field, or a tile tapped (unless in hand already) and then the field.
                const double way = monkey.next();
                auto *tile = window->findChild<DigitTile *>(QStringLiteral("Befehl%1").arg(digit.toInt() + 2));
                if (way >= 0.8 && !tile->isPicked())
                    QTest::mouseClick(tile, Qt::LeftButton);
                if (way >= 0.8)
                    QTest::mouseClick(field, Qt::LeftButton);
                else if (way >= 0.6)
                    QTest::keyClick(field, Qt::Key(Qt::Key_0 + digit.toInt()));
                if (way >= 0.6 || dropTile(field, digit)) {
                    Tally &tally = tallies[field->window()];
                    ++(digit == expected ? tally.right : tally.wrong);
                }
            } else if (!targets.isEmpty()) {
                QTest::mouseClick(targets.at(monkey.draw(0, int(targets.size()) - 1)), Qt::LeftButton);
            }
        }

        for (TrainerWindow *trainer : trainers()) {
            Tally &tally = tallies[trainer];
            const int points = pointsOf(trainer);
            QVERIFY2(points >= tally.points, qPrintable(where + QStringLiteral(": points fell")));
            tally.points = points;
            QVERIFY2(points == tally.right, qPrintable(where + QStringLiteral(": %1 points for %2 right drops")
                                                                    .arg(points).arg(tally.right)));
            const int errors = trainer->findChild<QLabel *>(QStringLiteral("Bezeichnung23"))->text().toInt();
            QVERIFY2(errors == tally.wrong, qPrintable(where + QStringLiteral(": %1 errors for %2 wrong drops")
                                                                    .arg(errors).arg(tally.wrong)));
            // A hidden trainer keeps its last key until it shows a new task.
            QString fault;
            if (!trainer->isVisible())
                continue;
            if (auto *single = qobject_cast<SingleRowTrainerWindow *>(trainer))
                fault = singleRowKeyFault(single);
            else if (auto *multi = qobject_cast<MultiRowTrainerWindow *>(trainer))
                fault = multiRowKeyFault(multi);
            QVERIFY2(fault.isEmpty(), qPrintable(where + QStringLiteral(": ") + fault));
        }
    }
    int points = 0;
    for (TrainerWindow *trainer : trainers())
        points += pointsOf(trainer);
    QStringList seen = reached.values();
    seen.sort();
    qInfo("seed %llu: %d steps in %lld ms (%.0f steps per second), %d points; reached %s", seed, steps,
          clock.elapsed(), steps * 1000.0 / std::max<qint64>(1, clock.elapsed()), points,
          qPrintable(seen.join(QStringLiteral(", "))));
    QVERIFY(points > 0);
    m_reached.unite(reached);
    m_steps += steps;
}

void TestMonkey::cleanupTestCase()
{
    // A run of the usual length reaches every window and command.
    if (m_steps < 20000)
        return;
    for (const char *place : {"Form0", "Form1", "Form2", "Form3", "Form4", "memo", "ORBLABEL (lock 0)",
                              "ORBLABEL (lock 1)", "printed", "copied", "Malaufgabe", "Lückenaufgabe",
                              "Zahlfange", "Schriftliche Multiplikation"})
        QVERIFY2(m_reached.contains(QString::fromUtf8(place)), place);
}

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
