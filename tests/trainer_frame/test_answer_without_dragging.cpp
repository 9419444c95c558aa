// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_shell.h"
#include "shell/digit_field.h"
#include "shell/digit_tile.h"
#include "shell/look.h"
#include "trainer_multi/multi_row_trainer_window.h"
#include "trainer_single/single_row_trainer_window.h"

#include "support/multi_row_draws.h"
#include "support/shell_test.h"
#include "support/single_row_draws.h"

#include <QAbstractButton>
#include <QApplication>
#include <QtTest/QTest>

namespace {
enum class Trainer { OneRow, TwoRows, ThreeRows };
} // namespace

// The keyboard and tap-tap on the real trainer windows: real key events to the
// widget holding the focus, real clicks on the tiles and fields.
class TestAnswerWithoutDragging : public ShellTest {
    Q_OBJECT
public:
    TestAnswerWithoutDragging()
        : ShellTest(true)
    {
    }

private slots:
    void keysSolveATaskInWritingOrder_data();
    void keysSolveATaskInWritingOrder();
    void wrongKeyIsReportedAndTheFocusStays();
    void tabRunsOverTheFieldsThenTheCommands();
    void tapATileThenAField_data();
    void tapATileThenAField();

private:
    // Opens a trainer with 5001 · 2 (· 22, · 222) and waits until it holds the keys.
    TrainerWindow *open(Trainer trainer)
    {
        TrainerWindow *window = nullptr;
        if (trainer == Trainer::OneRow) {
            m_random->append(singleRowDraws(5, 0, 0, 1, 2));
            m_shell->openSingleRowTrainer();
            m_model = &m_shell->singleRowTrainer()->model();
            window = m_shell->singleRowTrainer();
        } else {
            const bool three = trainer == Trainer::ThreeRows;
            m_random->append(multiRowDraws(5001, QList<int>(three ? 3 : 2, 2)));
            three ? m_shell->openThreeRowTrainer() : m_shell->openTwoRowTrainer();
            MultiRowTrainerWindow *multi = three ? m_shell->threeRowTrainer() : m_shell->twoRowTrainer();
            m_model = &multi->model();
            window = multi;
        }
        if (!QTest::qWaitForWindowActive(window))
            qWarning("the trainer did not become active");
        return window;
    }
    QString focusName() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    QStringList writingOrder() const
    {
        QStringList names;
        for (int cell : m_model->writingCells())
            names.append(m_model->design().cell(cell).name);
        return names;
    }
    void type(const QString &digit, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_0 + digit.toInt()), modifiers);
    }
    int count(const char *title) const
    {
        int n = 0;
        for (const auto &message : m_platform->messages)
            n += message.title == QString::fromUtf8(title);
        return n;
    }

    TrainerModel *m_model = nullptr;
};

void TestAnswerWithoutDragging::keysSolveATaskInWritingOrder_data()
{
    QTest::addColumn<Trainer>("trainer");
    QTest::addColumn<bool>("gaps");
    QTest::addColumn<bool>("keypad");
    QTest::newRow("one row") << Trainer::OneRow << false << false;
    QTest::newRow("one-row gaps, keypad") << Trainer::OneRow << true << true;
    QTest::newRow("two rows, keypad") << Trainer::TwoRows << false << true;
    QTest::newRow("three-row gaps") << Trainer::ThreeRows << true << false;
}

// The focus stands on the first field, a right digit moves it on in writing
// order, the name follows what the field holds, and the last digit solves the task.
void TestAnswerWithoutDragging::keysSolveATaskInWritingOrder()
{
    QFETCH(Trainer, trainer);
    QFETCH(bool, gaps);
    QFETCH(bool, keypad);
    TrainerWindow *window = open(trainer);
    if (gaps)
        QTest::mouseClick(window->findChild<QAbstractButton *>(
                              trainer == Trainer::OneRow ? QStringLiteral("Befehl12") : QStringLiteral("Befehl13")),
                          Qt::LeftButton);
    const QStringList order = writingOrder();
    QVERIFY(order.size() >= 2);
    for (const QString &name : order) {
        QCOMPARE(focusName(), name);
        auto *field = qobject_cast<DigitField *>(QApplication::focusWidget());
        QVERIFY(field->showsFocus());
        const QString digit = m_model->expectedDigit(m_model->design().indexOf(name));
        type(digit, keypad ? Qt::KeypadModifier : Qt::NoModifier);
        if (name != order.last()) { // the last one solves the task, and the field shows the next
            QCOMPARE(field->text(), digit);
            QVERIFY2(field->accessibleName().endsWith(QStringLiteral(": ") + digit),
                     qPrintable(field->accessibleName()));
        }
    }
    QCOMPARE(count(gaps ? "Lückenaufgabe" : "Malaufgabe"), 1);
    QCOMPARE(count("Fehler"), 0);
    QCOMPARE(m_model->rewards().points(), int(order.size()));
    // The next task, and the focus on its first field.
    QCOMPARE(focusName(), writingOrder().first());
}

void TestAnswerWithoutDragging::wrongKeyIsReportedAndTheFocusStays()
{
    open(Trainer::OneRow); // 5001 · 2: the product's ones are 2
    QCOMPARE(focusName(), QStringLiteral("Bezeichnung17"));
    QString shownWhileReported;
    m_platform->whileMessageOpen = [&](const ScriptedPlatform::Message &) {
        shownWhileReported = qobject_cast<QLabel *>(QApplication::focusWidget())->text();
    };
    for (Qt::Key stray : {Qt::Key_Space, Qt::Key_Return, Qt::Key_A})
        QTest::keyClick(QApplication::focusWidget(), stray);
    QVERIFY(m_platform->messages.isEmpty());
    type(QStringLiteral("7"));
    QCOMPARE(count("Fehler"), 1);
    QCOMPARE(shownWhileReported, QStringLiteral("7"));
    QCOMPARE(m_model->errors(), 1);
    QCOMPARE(focusName(), QStringLiteral("Bezeichnung17"));
    QCOMPARE(QApplication::focusWidget()->accessibleName(), QStringLiteral("Ergebnis, Einer: leer"));
    type(QStringLiteral("2"));
    QCOMPARE(focusName(), QStringLiteral("Bezeichnung9")); // on to the carry it leaves
}

// Tab runs over the fields in writing order, then over the commands, and round
// again; Shift+Tab runs back; the arrows go to a neighbour.
void TestAnswerWithoutDragging::tabRunsOverTheFieldsThenTheCommands()
{
    open(Trainer::TwoRows);
    const QStringList expected = writingOrder()
        + QStringList{"Befehl1", "Befehl15", "Befehl21", "Befehl12", "Befehl13", "Befehl14"} + writingOrder().mid(0, 1);
    QStringList reached{focusName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.append(focusName());
    }
    QCOMPARE(reached, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(focusName(), QStringLiteral("Befehl14"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(focusName(), writingOrder().at(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(focusName(), QStringLiteral("Bezeichnung14")); // under it, one row down
}

void TestAnswerWithoutDragging::tapATileThenAField_data()
{
    QTest::addColumn<QStringList>("taps"); // tiles by digit, fields by name, "Escape", "R" the counter letter
    QTest::addColumn<QString>("picked");   // the tile in hand at the end
    QTest::addColumn<QString>("written");  // what the product's ones field then holds
    QTest::newRow("a tile picked up") << QStringList{"2"} << "2" << "";
    QTest::newRow("a tile, then a field: the digit dropped there")
        << QStringList{"2", "Bezeichnung17"} << "" << "2";
    QTest::newRow("a wrong tile is checked as a drop") << QStringList{"5", "Bezeichnung17"} << "" << "";
    QTest::newRow("the tile tapped again goes back") << QStringList{"2", "2", "Bezeichnung17"} << "" << "";
    QTest::newRow("another tile is taken instead") << QStringList{"5", "2"} << "2" << "";
    QTest::newRow("Escape puts it back") << QStringList{"2", "Escape", "Bezeichnung17"} << "" << "";
    QTest::newRow("a tap elsewhere puts it back") << QStringList{"2", "Bezeichnung24", "Bezeichnung17"} << "" << "";
}

void TestAnswerWithoutDragging::tapATileThenAField()
{
    QFETCH(QStringList, taps);
    QFETCH(QString, picked);
    QFETCH(QString, written);
    TrainerWindow *window = open(Trainer::OneRow); // 5001 · 2
    for (const QString &tap : taps) {
        if (tap == QStringLiteral("Escape")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            continue;
        }
        // Through the window, as the window system delivers a click.
        const QWidget *target = window->findChild<QWidget *>(
            tap.size() == 1 ? QStringLiteral("Befehl%1").arg(tap.toInt() + 2) : tap);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, target->mapTo(window, target->rect().center()));
    }
    for (DigitTile *tile : window->findChildren<DigitTile *>()) {
        const bool inHand = tile->text() == picked;
        QCOMPARE(tile->isPicked(), inHand);
        QCOMPARE(tile->accessibleName().endsWith(QStringLiteral(", aufgenommen")), inHand);
        const QImage face = tile->grab().toImage();
        QCOMPARE(face.pixelColor(face.width() / 2, 5) == Look::pickedTile, inHand);
    }
    QVERIFY(qobject_cast<DigitField *>(QApplication::focusWidget())); // the keys still write into a field
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Bezeichnung17"))->text(), written);
    const bool wrong = taps.contains(QStringLiteral("5")) && taps.last() == QStringLiteral("Bezeichnung17");
    QCOMPARE(m_model->errors(), wrong ? 1 : 0);
    QCOMPARE(m_model->rewards().points(), written.isEmpty() ? 0 : 1);
}

QTEST_MAIN(TestAnswerWithoutDragging)
#include "test_answer_without_dragging.moc"
