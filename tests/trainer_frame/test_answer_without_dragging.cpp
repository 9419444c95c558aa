// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_shell.h"
#include "shell/digit_field.h"
#include "shell/digit_tile.h"
#include "shell/look.h"
#include "trainer_multi/multi_row_trainer_window.h"
#include "trainer_single/single_row_trainer_window.h"

#include "support/cells.h"
#include "support/drop.h"
#include "support/multi_row_draws.h"
#include "support/shell_test.h"
#include "support/single_row_draws.h"

#include <QApplication>
#include <QtTest/QTest>

// The trainers answered without a drag, on the real windows: real key events
// to the widget holding the focus, real clicks through the window, and the
// names a screen reader reads.
class TestAnswerWithoutDragging : public ShellTest {
    Q_OBJECT
public:
    TestAnswerWithoutDragging() : ShellTest(true) {}

private slots:
    void keysWriteInWritingOrder_data();
    void keysWriteInWritingOrder();
    void namesSayRowPlaceAndContent_data();
    void namesSayRowPlaceAndContent();
    void tabAndArrowsMoveOverTheFields();
    void tapATileThenAField_data();
    void tapATileThenAField();
    void oneFrameStandsOnTheFirstEmptyFieldAfterEveryChange_data();
    void oneFrameStandsOnTheFirstEmptyFieldAfterEveryChange();
    void aSheetTakesWhatItCoversOutOfReach();

private:
    // The trainer of 1, 2 or 3 rows with 1234 · 3 (5678 · 9 after "mal H"), 5001 · 22 or 5001 · 222;
    // then `command` clicked.
    void open(int rows, const QString &command = {})
    {
        for (int task = 0; task < 2; ++task)
            m_random->append(rows > 1 ? multiRowDraws(5001, QList<int>(rows, 2))
                             : task && command == QStringLiteral("Befehl13") ? singleRowDraws(5, 6, 7, 8, 9)
                                                                             : singleRowDraws(1, 2, 3, 4, 3));
        m_random->append({gapPatternDraw(2)});
        if (rows == 1) {
            m_shell->openSingleRowTrainer();
            m_window = m_shell->singleRowTrainer();
            m_model = &m_shell->singleRowTrainer()->model();
        } else {
            MultiRowTrainerWindow *trainer = rows == 2 ? m_shell->twoRowTrainer() : m_shell->threeRowTrainer();
            rows == 2 ? m_shell->openTwoRowTrainer() : m_shell->openThreeRowTrainer();
            m_window = trainer;
            m_model = &trainer->model();
        }
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        if (!command.isEmpty())
            click(command);
    }
    // Through the window, as the window system delivers a click.
    void click(const QString &name)
    {
        const QWidget *target = m_window->findChild<QWidget *>(name);
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {},
                          target->mapTo(m_window, target->rect().center()));
    }
    static QString focused() { return QApplication::focusWidget()->objectName(); }
    QStringList framed() const
    {
        QStringList names;
        for (const DigitField *field : m_window->findChildren<DigitField *>())
            if (field->isFramed())
                names.append(field->objectName());
        return names;
    }
    void type(int digit, bool keypad = false)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_0 + digit),
                        keypad ? Qt::KeypadModifier : Qt::NoModifier);
    }

    TrainerWindow *m_window = nullptr;
    TrainerModel *m_model = nullptr;
};

namespace {
QStringList fields(const char *numbers, const char *prefix = "Bezeichnung") // "17 9" → Bezeichnung17, Bezeichnung9
{
    QStringList names = QString::fromLatin1(numbers).split(QLatin1Char(' '));
    for (QString &name : names)
        name.prepend(QString::fromLatin1(prefix));
    return names;
}
} // namespace

void TestAnswerWithoutDragging::keysWriteInWritingOrder_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("one row: each product digit from the right, then its carry")
        << 1 << "" << fields("17 9 13 8 12 7 11");
    QTest::newRow("hundreds: the zeros brought down first, a fifth digit last")
        << 1 << "Befehl13" << fields("19 18 17 9 13 8 12 7 11 10");
    QTest::newRow("one-row gaps: the gaps shown") << 1 << "Befehl12" << fields("2 14", "luecke");
    QTest::newRow("two rows: partial products from the right, then the sum")
        << 2 << "" << fields("9 21 20 19 18 17 26 14 13 12 11 34 33 32 31 30 28");
    QTest::newRow("staircase: no zero") << 2 << "Befehl12" << fields("21 20 19 18 17 26 14 13 12 11 34 33 32 31 30 28");
    QTest::newRow("three-row gaps row by row") << 3 << "Befehl13" << fields("9 11 14 16 28 29 18 20 22", "luecke");
}

// A wrong digit is reported and the focus stays; each right one moves it on in
// writing order (the keypad's too), and the last solves the task. The focus
// frame, a dark ring with a light one inside, shows on every kind of field.
void TestAnswerWithoutDragging::keysWriteInWritingOrder()
{
    QFETCH(int, rows);
    QFETCH(QString, command);
    QFETCH(QStringList, order);
    open(rows, command);
    const bool keypad = rows == 2;
    auto expected = [this](const QString &name) {
        return *m_model->expectedDigit(cellNamed(m_model->design(), name));
    };
    type((expected(order.first()) + 1) % 10, keypad);
    QCOMPARE(m_model->errors(), 1);
    for (const QString &name : order) {
        QCOMPARE(focused(), name);
        auto *field = qobject_cast<DigitField *>(QApplication::focusWidget());
        const QImage seen = field->grab().toImage();
        QCOMPARE(seen.pixelColor(0, seen.height() / 2), Look::focusFrame);
        QCOMPARE(seen.pixelColor(Look::focusRingWidth, seen.height() / 2), Look::focusFrameInner);
        type(expected(name), keypad);
        if (name != order.last()) // the last solves the task, and the field shows the next
            QCOMPARE(field->accessibleName().back(), QChar(u'0' + expected(name)));
    }
    QCOMPARE(m_platform->messages.last().title,
             m_model->gapMode() ? QStringLiteral("Lückenaufgabe") : QStringLiteral("Malaufgabe"));
    QCOMPARE(m_model->rewards().points(), int(order.size()));
    QCOMPARE(focused(), m_model->design().cell(m_model->firstToWrite()).name); // the next task's first field
}

void TestAnswerWithoutDragging::namesSayRowPlaceAndContent_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("the task") << 1 << "" << "Figur6" << "Malaufgabe: 1234 mal 3";
    QTest::newRow("a carry") << 1 << "" << "Bezeichnung9" << "Übertrag, Zehner: leer";
    QTest::newRow("a counter") << 1 << "" << "Bezeichnung23" << "Fehler: 0";
    QTest::newRow("a tile") << 1 << "" << "Befehl9" << "Ziffer 7";
    QTest::newRow("tens: the product a place up") << 1 << "Befehl20" << "Bezeichnung17" << "Ergebnis, Zehner: leer";
    QTest::newRow("tens: the carry a place up") << 1 << "Befehl20" << "Bezeichnung9" << "Übertrag, Hunderter: leer";
    QTest::newRow("hundreds: the highest place") << 1 << "Befehl13" << "Bezeichnung10" << "Ergebnis, Millionen: leer";
    QTest::newRow("gap task") << 1 << "Befehl12" << "Bild6" << "Lückenaufgabe: 1, Lücke, 3, 4 mal 3";
    QTest::newRow("a gap") << 1 << "Befehl12" << "luecke2" << "Lücke, 1. Faktor, Hunderter: leer";
    QTest::newRow("a given digit") << 1 << "Befehl12" << "luecke13" << "Lückenaufgabe, Ergebnis, Einer: 2";
    QTest::newRow("the sum") << 2 << "" << "Bezeichnung28" << "Summe, Hunderttausender: leer";
    QTest::newRow("third partial product") << 3 << "" << "Bezeichnung41" << "3. Teilprodukt, Zehntausender: leer";
}

void TestAnswerWithoutDragging::namesSayRowPlaceAndContent()
{
    QFETCH(int, rows);
    QFETCH(QString, command);
    QFETCH(QString, control);
    QFETCH(QString, name);
    open(rows, command);
    QCOMPARE(m_window->findChild<QWidget *>(control)->accessibleName(), name);
}

// Tab: the fields in writing order, then the commands and those of the help strip, and round; the arrows to a neighbour.
void TestAnswerWithoutDragging::tabAndArrowsMoveOverTheFields()
{
    open(2);
    const QStringList order = fields("9 21 20 19 18 17 26 14 13 12 11 34 33 32 31 30 28 9");
    for (const QString &name : order.mid(0, 17) + fields("1 15 21 12 13 14 22 23", "Befehl") + order.mid(17)) {
        QCOMPARE(focused(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QList<std::pair<Qt::Key, int>> moves{{Qt::Key_Backtab, 9}, {Qt::Key_Right, 9}, {Qt::Key_Left, 21},
                                               {Qt::Key_Down, 14}, {Qt::Key_Down, 33}, {Qt::Key_Up, 14}};
    for (const auto &[key, to] : moves) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(focused(), QStringLiteral("Bezeichnung%1").arg(to));
    }
}

void TestAnswerWithoutDragging::tapATileThenAField_data()
{
    QTest::addColumn<QStringList>("taps"); // tiles by digit, controls by name, or Escape
    QTest::addColumn<QString>("inHand");   // the tile picked up at the end
    QTest::addColumn<QString>("written");  // what the product's ones (2) then show
    QTest::newRow("a tile picked up") << QStringList{"2"} << "2" << "";
    QTest::newRow("a tile, then a field: its digit dropped there") << QStringList{"2", "Bezeichnung17"} << "" << "2";
    QTest::newRow("the tile tapped again goes back") << QStringList{"2", "2", "Bezeichnung17"} << "" << "";
    QTest::newRow("another tile is taken instead") << QStringList{"5", "2"} << "2" << "";
    QTest::newRow("Escape puts it back") << QStringList{"2", "Escape", "Bezeichnung17"} << "" << "";
    QTest::newRow("a tap elsewhere puts it back") << QStringList{"2", "Bezeichnung24", "Bezeichnung17"} << "" << "";
}

void TestAnswerWithoutDragging::tapATileThenAField()
{
    QFETCH(QStringList, taps);
    QFETCH(QString, inHand);
    QFETCH(QString, written);
    open(1);
    for (const QString &tap : taps) {
        if (tap == QStringLiteral("Escape"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            click(tap.size() == 1 ? QStringLiteral("Befehl%1").arg(tap.toInt() + 2) : tap);
    }
    for (DigitTile *tile : m_window->findChildren<DigitTile *>()) {
        const bool held = tile->text() == inHand;
        QCOMPARE(tile->isPicked(), held);
        QCOMPARE(tile->accessibleName().endsWith(QStringLiteral(", aufgenommen")), held);
        QCOMPARE(tile->grab().toImage().pixelColor(tile->width() / 2, 5) == Look::pickedTile, held);
    }
    QVERIFY(qobject_cast<DigitField *>(QApplication::focusWidget())); // the keys still write into a field
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("Bezeichnung17"))->text(), written);
    QCOMPARE(m_model->rewards().points(), written.isEmpty() ? 0 : 1);
}

void TestAnswerWithoutDragging::oneFrameStandsOnTheFirstEmptyFieldAfterEveryChange_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("steps"); // a digit typed, "drop N name", "tab"/"backtab", or a command
    QTest::addColumn<QString>("frame");
    QTest::newRow("a right digit, back to it, \"Treppe\": on to the first empty field")
        << 2 << QStringList{"0", "backtab", "Befehl12"} << "Bezeichnung21";
    QTest::newRow("\"Bündig\" again: the zero shows, filled; the frame stays on the first empty field")
        << 2 << QStringList{"0", "backtab", "Befehl12", "Befehl12"} << "Bezeichnung21";
    QTest::newRow("a wrong tile on a filled field: the frame goes there and stays")
        << 1 << QStringList{"2", "drop 9 Bezeichnung17"} << "Bezeichnung17";
    QTest::newRow("a tile into the sum before the rows above") << 2 << QStringList{"drop 1 Bezeichnung28"}
                                                               << "Bezeichnung9";
    QTest::newRow("gap mode: the first gap") << 1 << QStringList{"2", "Befehl12"} << "luecke2";
}

// Exactly one field shows the focus frame, the one the keys write into.
void TestAnswerWithoutDragging::oneFrameStandsOnTheFirstEmptyFieldAfterEveryChange()
{
    QFETCH(int, rows);
    QFETCH(QStringList, steps);
    QFETCH(QString, frame);
    open(rows);
    for (const QString &step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        if (words.first() == QStringLiteral("drop"))
            QVERIFY(dropTile(m_window->findChild<QWidget *>(words.at(2)), words.at(1)));
        else if (step == QStringLiteral("backtab"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        else if (step.size() == 1)
            type(step.toInt());
        else
            click(step);
        QCOMPARE(framed(), QStringList{focused()});
    }
    QCOMPARE(focused(), frame);
}

// Keys meet only what a pupil sees: Tab walks the sheet's commands, not the trainer's under it.
void TestAnswerWithoutDragging::aSheetTakesWhatItCoversOutOfReach()
{
    open(1);
    click(QStringLiteral("Befehl14")); // "Blatt"
    QVERIFY(framed().isEmpty());
    QStringList reached;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.append(focused());
    }
    const QStringList sheet{"Befehl16", "Befehl17", "Befehl18", "Befehl19", "Befehl24"}; // "Karoblatt" too
    for (const QString &name : reached)
        QVERIFY2(sheet.contains(name), qPrintable(name));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    QCOMPARE(m_model->rewards().points() + m_model->errors(), 0);
    click(QStringLiteral("Befehl16")); // "Abbruch"
    QCOMPARE(focused(), QStringLiteral("Bezeichnung17"));
}

QTEST_MAIN(TestAnswerWithoutDragging)
#include "test_answer_without_dragging.moc"
