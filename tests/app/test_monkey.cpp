// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_shell.h"
#include "app/info_window.h"
#include "app/learning_report_window.h"
#include "app/main_menu_texts.h"
#include "app/main_menu_window.h"
#include "rewards/catch_game_window.h"
#include "rewards/memory_game_window.h"
#include "shell/digit_field.h"
#include "shell/digit_tile.h"
#include "shell/random_source.h"
#include "trainer_multi/multi_row_trainer_window.h"
#include "trainer_single/single_row_trainer_window.h"

#include "support/cells.h"
#include "support/drop.h"
#include "support/help_agrees.h"
#include "support/scripted_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QSet>
#include <QtTest/QTest>

// A restless pupil: random clicks, digits dragged, typed or tapped (many of
// them right), keys and window closes over every window, hints asked for and
// demonstrations started, let run and broken off. After every step exactly
// one working window is shown, every trainer's counters match the digits the
// pupil gave it (a digit during a demonstration only ends it; a demonstration
// earns nothing), points never fall, the shown task's answer key agrees with
// its calculation, and the help speaks of the digits the check expects.
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

TrainerModel &modelOf(TrainerWindow *trainer)
{
    if (auto *single = qobject_cast<SingleRowTrainerWindow *>(trainer))
        return single->model();
    return qobject_cast<MultiRowTrainerWindow *>(trainer)->model();
}

// The fields show what the model holds, every digit given by the task is the
// one its calculation has, and the calculation's rows add up to its product.
QString taskFault(TrainerWindow *trainer)
{
    const TrainerModel &model = modelOf(trainer);
    const TrainerDesign &design = model.design();
    const TrainerView view = model.gapMode() ? TrainerView::GapPanel : TrainerView::Normal;
    for (int i = 0; i < design.size(); ++i) {
        const TrainerCell &cell = design.cell(i);
        if (cell.view != view || !design.holdsDigit(i) || !model.isVisible(i))
            continue;
        const auto *label = trainer->findChild<QLabel *>(cell.name);
        if (!label || label->text() != shown(model, i))
            return QStringLiteral("%1 shows %2, the model holds %3").arg(cell.name, label ? label->text() : QString(), shown(model, i));
        if (!design.takesDrops(i) && cell.role != CellRole::Carry && model.digit(i) != model.expectedDigit(i))
            return QStringLiteral("%1 gives %2, its calculation %3").arg(cell.name, shown(model, i), expected(model, i));
    }
    if (design.rows() < 4)
        return {};
    qint64 sum = 0;
    qint64 product = 0;
    for (int row = 1; row < design.rows(); ++row) {
        QString number;
        for (int column = design.columns(); column >= 1; --column)
            number += expected(model, design.indexAt(view, row, column));
        (row + 1 < design.rows() ? sum : product) += number.toLongLong();
    }
    return sum == product ? QString() : QStringLiteral("the partial products add up to %1, not %2").arg(sum).arg(product);
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
        auto *trainer = qobject_cast<TrainerWindow *>(field->window());
        if (!trainer)
            return QString();
        const TrainerModel &model = modelOf(trainer);
        return expected(model, cellNamed(model.design(), field->objectName()));
    };
    auto pointsOf = [](TrainerWindow *trainer) {
        return trainer->findChild<QLabel *>(QStringLiteral("Bezeichnung22"))->text().toInt();
    };

    const int keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right,
                        Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab, Qt::Key_A, Qt::Key_5};
    // Time runs only when the pupil lets it: a demonstration goes on a step when the monkey says so.
    QSet<TrainerWindow *> paced;
    auto tutorOf = [&](QWidget *window) -> Tutor * {
        auto *trainer = qobject_cast<TrainerWindow *>(window);
        return trainer ? &modelOf(trainer).tutor() : nullptr;
    };
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
        for (TrainerWindow *trainer : trainers())
            if (!paced.contains(trainer)) {
                modelOf(trainer).tutor().setDemonstrationPace(24 * 3600 * 1000);
                paced.insert(trainer);
            }
        if (shell.hasInfoWindow() && shell.infoWindow()->isVisible() && monkey.next() < 0.1) {
            window = shell.infoWindow();
            reached.insert(QStringLiteral("%1 (lock %2, help %3)")
                               .arg(window->objectName())
                               .arg(shell.printerLock().isSet())
                               .arg(shell.helpSetting().isOn()));
        }
        if (shell.hasLearningReport() && shell.learningReport()->isVisible() && monkey.next() < 0.1) {
            window = shell.learningReport();
            reached.insert(window->objectName());
        }
        Tutor *tutor = tutorOf(window);
        if (tutor && tutor->demonstrating())
            reached.insert(QStringLiteral("demonstrating"));

        // The password is sometimes the points shown, sometimes not.
        const auto *pointsLabel = window->findChild<QLabel *>(QStringLiteral("Bezeichnung22"));
        platform.inputs = {pointsLabel && monkey.next() < 0.5 ? pointsLabel->text() : QStringLiteral("Passwort")};

        const double choice = monkey.next();
        if (choice < 0.01 && window != shell.mainMenu()) {
            window->close();
        } else if (tutor && tutor->demonstrating() && choice < 0.9) { // the pupil watches on
            tutor->demonstrateNextStep();
            if (!tutor->demonstrating())
                reached.insert(QStringLiteral("demonstrated to the end"));
        } else if (choice < 0.02 && tutor) {
            auto *command = window->findChild<QAbstractButton *>(QStringLiteral("Befehl23"));
            if (command->isVisible())
                QTest::mouseClick(command, Qt::LeftButton); // "Vormachen", or its end
        } else if (choice < 0.1) {
            QTest::keyClick(window, Qt::Key(keys[monkey.draw(0, 9)]));
        } else if (choice < 0.4 && (window == shell.catchGame() || window == shell.memoryGame())) {
            sendGameInput(window, monkey);
        } else {
            QList<QWidget *> targets;
            QList<DigitField *> fields;
            const auto children = window->findChildren<QWidget *>();
            for (QWidget *child : children) {
                // Only what a pupil can reach here: shown, in this window (not one it owns), not covered by a panel.
                if (child->window() != window)
                    continue;
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
                const bool ending = tutor && tutor->demonstrating();
                auto *tile = window->findChild<DigitTile *>(QStringLiteral("Befehl%1").arg(digit.toInt() + 2));
                if (way >= 0.8 && !tile->isPicked())
                    QTest::mouseClick(tile, Qt::LeftButton);
                if (way >= 0.8)
                    QTest::mouseClick(field, Qt::LeftButton);
                else if (way >= 0.6)
                    QTest::keyClick(field, Qt::Key(Qt::Key_0 + digit.toInt()));
                if ((way >= 0.6 || dropTile(field, digit)) && !ending) {
                    Tally &tally = tallies[field->window()];
                    ++(digit == expected ? tally.right : tally.wrong);
                }
            } else if (!targets.isEmpty()) {
                // A reward in sight is taken sooner or later, as a pupil would.
                QWidget *target = targets.at(monkey.draw(0, int(targets.size()) - 1));
                for (QWidget *invitation : std::as_const(targets))
                    if (invitation->accessibleName().startsWith(QStringLiteral("Belohnung: ")) && monkey.next() < 0.2)
                        target = invitation;
                QTest::mouseClick(target, Qt::LeftButton);
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
            // A hidden trainer shows its next task only when it comes back.
            QString fault = trainer->isVisible() ? taskFault(trainer) : QString();
            if (fault.isEmpty() && trainer->isVisible() && step % 10 == 0)
                fault = helpDisagreement(modelOf(trainer));
            QVERIFY2(fault.isEmpty(), qPrintable(where + QStringLiteral(": ") + fault));
            const Tutor &help = modelOf(trainer).tutor();
            QVERIFY2(help.hint().isEmpty() || help.demonstrating() || help.hint().startsWith(QStringLiteral("Tipp: ")),
                     qPrintable(where + QStringLiteral(": the hint ") + help.hint()));
            QVERIFY2(trainer->isVisible() || !help.demonstrating(), qPrintable(where + QStringLiteral(": a hidden demonstration")));
            if (help.hintCell() >= 0)
                reached.insert(QStringLiteral("hint"));
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
    for (const char *place : {"Form0", "Form1", "Form2", "Form3", "Form4", "Form5", "memo", "ORBLABEL (lock 0, help 1)",
                              "ORBLABEL (lock 1, help 1)", "ORBLABEL (lock 1, help 0)", "printed", "copied",
                              "Malaufgabe", "Lückenaufgabe", "Zahlfange", "Schriftliche Multiplikation", "hint",
                              "demonstrating", "demonstrated to the end"})
        QVERIFY2(m_reached.contains(QString::fromUtf8(place)), place);
}

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
