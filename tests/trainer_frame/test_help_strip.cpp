// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_shell.h"
#include "app/info_window.h"
#include "app/learning_report_window.h"
#include "shell/look.h"
#include "trainer_frame/help_strip.h"
#include "trainer_multi/multi_row_trainer_window.h"
#include "trainer_single/single_row_trainer_window.h"

#include "support/cells.h"
#include "support/multi_row_draws.h"
#include "support/shell_test.h"
#include "support/single_row_draws.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QtTest/QTest>

// The help of the trainers on the real windows: real keys into the field in
// focus, real clicks on the commands, the boxes answered by the scripted platform.
class TestHelpStrip : public ShellTest {
    Q_OBJECT
public:
    TestHelpStrip() : ShellTest(true) {}

private slots:
    void aForgottenCarryMeetsTheThreeRungsInOrder_data();
    void aForgottenCarryMeetsTheThreeRungsInOrder();
    void tippHelpsBeforeAMistakeAndGuessingIsOfferedVormachen();
    void vormachenWritesTheTaskWithNoPointAndNoFehler_data();
    void vormachenWritesTheTaskWithNoPointAndNoFehler();
    void aDigitDuringVormachenOnlyEndsIt();
    void untickingHilfenGivesThePlainTrainerBack();
    void lernstandShowsTheKindsMetAndIsCopiedAndPrinted();
    void theHintCoversNothingAtAnyZoom();
    void tippIsAnsweredWithinAFrame();

private:
    // The trainer of 1, 2 or 3 rows with 1234 · 3, 5674 · 23 or 5674 · 234 (and the same again after it).
    void open(int rows)
    {
        for (int task = 0; task < 3; ++task) {
            m_random->append(rows == 1 ? singleRowDraws(1, 2, 3, 4, 3)
                                       : multiRowDraws(5674, rows == 2 ? QList<int>{2, 3} : QList<int>{2, 3, 4}));
            if (task == 1 && rows == 1) // for a gap task as the second
                m_random->append({gapPatternDraw(4)});
        }
        rows == 1 ? m_shell->openSingleRowTrainer() : rows == 2 ? m_shell->openTwoRowTrainer() : m_shell->openThreeRowTrainer();
        m_window = rows == 1 ? static_cast<TrainerWindow *>(m_shell->singleRowTrainer())
                             : rows == 2 ? m_shell->twoRowTrainer() : m_shell->threeRowTrainer();
        m_model = rows == 1 ? static_cast<TrainerModel *>(&m_shell->singleRowTrainer()->model())
                            : &static_cast<MultiRowTrainerWindow *>(m_window)->model();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    template <typename T = QWidget> T *control(const QString &name) const { return m_window->findChild<T *>(name); }
    QString hint() const { return control<QLabel>(QStringLiteral("Bezeichnung50"))->text(); }
    void type(int digit) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_0 + digit)); }
    void click(const QString &name) { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    bool lit(const QString &name) const { return control(name)->palette().color(QPalette::Window) == Look::litCell; }
    qsizetype litCount() const
    {
        const auto cells = m_window->findChildren<QLabel *>();
        return std::count_if(cells.cbegin(), cells.cend(), [](const QLabel *c) { return c->palette().color(QPalette::Window) == Look::litCell; });
    }

    TrainerWindow *m_window = nullptr;
    TrainerModel *m_model = nullptr;
};

void TestHelpStrip::aForgottenCarryMeetsTheThreeRungsInOrder_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("before"); // the right digits up to the field
    QTest::addColumn<int>("forgotten");      // the digit without the carry
    QTest::addColumn<QStringList>("hints");
    QTest::addColumn<QStringList>("litCells");
    QTest::newRow("one row: 3 · 3 with the carry 1 of 4 · 3")
        << 1 << QList<int>{2, 1} << 9
        << QStringList{"Tipp: Hast du den Übertrag 1 dazugezählt?", "Tipp: 3 · 3 = 9, dazu der Übertrag 1: 10.",
                       "Tipp: Schreibe 0 und merke dir 1."}
        << QStringList{"Bezeichnung3", "Bezeichnung5", "Bezeichnung9"};
    QTest::newRow("two rows: 6 · 2 in the first partial product")
        << 2 << QList<int>{0, 8, 4} << 2
        << QStringList{"Tipp: Im 1. Teilprodukt bei den Tausendern: Hast du den Übertrag 1 dazugezählt?",
                       "Tipp: Im 1. Teilprodukt bei den Tausendern: 6 · 2 = 12, dazu der Übertrag 1: 13.",
                       "Tipp: Im 1. Teilprodukt bei den Tausendern: Schreibe 3 und merke dir 1."}
        << QStringList{"Bezeichnung2", "Bezeichnung5"};
    QTest::newRow("three rows: 6 · 2 with its two zeros")
        << 3 << QList<int>{0, 0, 8, 4} << 2
        << QStringList{"Tipp: Im 1. Teilprodukt bei den Zehntausendern: Hast du den Übertrag 1 dazugezählt?",
                       "Tipp: Im 1. Teilprodukt bei den Zehntausendern: 6 · 2 = 12, dazu der Übertrag 1: 13.",
                       "Tipp: Im 1. Teilprodukt bei den Zehntausendern: Schreibe 3 und merke dir 1."}
        << QStringList{"Bezeichnung2", "Bezeichnung5"};
}

// Each time the "Fehler" box comes first, the hint when it has closed; the right digit clears it.
void TestHelpStrip::aForgottenCarryMeetsTheThreeRungsInOrder()
{
    QFETCH(int, rows);
    QFETCH(QList<int>, before);
    QFETCH(int, forgotten);
    QFETCH(QStringList, hints);
    QFETCH(QStringList, litCells);
    open(rows);
    for (int digit : before)
        type(digit);
    QStringList shownWithTheBox;
    m_platform->whileMessageOpen = [&](const ScriptedPlatform::Message &) { shownWithTheBox.append(hint()); };
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        type(forgotten);
        seen.append(hint());
        for (const QString &name : litCells)
            QVERIFY2(lit(name), qPrintable(name));
        QCOMPARE(litCount(), litCells.size());
    }
    QCOMPARE(seen, hints);
    QCOMPARE(shownWithTheBox, (QStringList{QString(), hints.at(0), hints.at(1)}));
    QCOMPARE(m_platform->messages.size(), 3);
    QCOMPARE(m_platform->messages.last().title, QStringLiteral("Fehler"));
    type(*m_model->expectedDigit(cellNamed(m_model->design(), QApplication::focusWidget()->objectName())));
    QCOMPARE(hint(), QString());
    QCOMPARE(litCount(), 0);
    QCOMPARE(m_model->rewards().points(), int(before.size()) + 1);
    QCOMPARE(m_model->errors(), 3);
}

void TestHelpStrip::tippHelpsBeforeAMistakeAndGuessingIsOfferedVormachen()
{
    open(1);
    click(QStringLiteral("Befehl22"));
    QCOMPARE(hint(), QStringLiteral("Tipp: Rechne 4 · 3."));
    QVERIFY(lit(QStringLiteral("Bezeichnung4")) && lit(QStringLiteral("Bezeichnung5")));
    click(QStringLiteral("Befehl22"));
    QCOMPARE(hint(), QStringLiteral("Tipp: 4 · 3 = 12."));
    QCOMPARE(m_platform->messages.size(), 0);
    QCOMPARE(m_model->errors(), 0);
    type(5); // the third rung, then two more different wrong digits: guessing
    type(6);
    QVERIFY(!m_model->tutor().offersDemonstration());
    type(7);
    QCOMPARE(hint(), QStringLiteral("Tipp: Schreibe 2 und merke dir 1. „Vormachen“ zeigt dir die ganze Rechnung."));
    QCOMPARE(control<QPushButton>(QStringLiteral("Befehl23"))->palette().color(QPalette::Button), Look::offeredCommand);
    QCOMPARE(m_model->errors(), 3);
    QCOMPARE(control<QLabel>(QStringLiteral("Bezeichnung50"))->accessibleName(), hint());
}

void TestHelpStrip::vormachenWritesTheTaskWithNoPointAndNoFehler_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("firstSentence");
    QTest::newRow("one row") << 1 << "" << "4 · 3 = 12. Schreibe 2, merke 1.";
    QTest::newRow("one-row gap task") << 1 << "Befehl12" << "4 · 3 = 12. Schreibe 4.";
    QTest::newRow("two rows, its zero first") << 2 << "" << "Die 2 steht bei den Zehnern: Schreibe rechts eine 0.";
    QTest::newRow("three-row gap task") << 3 << "Befehl13" << "7 · 2 = 14. Schreibe 4, merke 1.";
}

void TestHelpStrip::vormachenWritesTheTaskWithNoPointAndNoFehler()
{
    QFETCH(int, rows);
    QFETCH(QString, command);
    QFETCH(QString, firstSentence);
    open(rows);
    if (!command.isEmpty())
        click(command);
    type((*m_model->expectedDigit(m_model->firstToWrite()) + 1) % 10); // a mistake first: its hint goes
    const int errors = m_model->errors();
    const QList<int> cells = m_model->writingCells();
    click(QStringLiteral("Befehl23"));
    QCOMPARE(hint(), firstSentence);
    QVERIFY(lit(m_model->design().cell(cells.first()).name));
    for (qsizetype step = 1; step <= cells.size(); ++step) // the timer's steps, without waiting for them
        m_model->tutor().demonstrateNextStep();
    QVERIFY(hint().startsWith(QStringLiteral("Fertig: ")));
    for (int cell : cells)
        QCOMPARE(m_model->digit(cell), m_model->expectedDigit(cell));
    m_model->tutor().demonstrateNextStep();
    QVERIFY(!m_model->tutor().demonstrating());
    QCOMPARE(m_model->rewards().points(), 0);
    QCOMPARE(m_model->rewards().rocketSteps(), 0);
    QCOMPARE(m_model->errors(), errors);
    QCOMPARE(m_platform->messages.size(), 1); // the mistake's alone
    for (int cell : m_model->writingCells()) // a fresh task of the same kind
        QCOMPARE(m_model->digit(cell), CellDigit());
    QCOMPARE(m_model->gapMode(), !command.isEmpty());
    QCOMPARE(m_model->tutor().record().demonstrations(), 1);
}

void TestHelpStrip::aDigitDuringVormachenOnlyEndsIt()
{
    open(1);
    click(QStringLiteral("Befehl23"));
    m_model->tutor().demonstrateNextStep();
    const QString name = QApplication::focusWidget()->objectName();
    type(2);
    QVERIFY(!m_model->tutor().demonstrating());
    QCOMPARE(hint(), QString());
    QCOMPARE(m_model->rewards().points(), 0);
    QCOMPARE(m_model->errors(), 0);
    QCOMPARE(m_model->digit(cellNamed(m_model->design(), name)), CellDigit()); // a fresh task, for the pupil
}

void TestHelpStrip::untickingHilfenGivesThePlainTrainerBack()
{
    open(1);
    QCOMPARE(m_window->size(), QSize(7830, 5430 + HelpStrip::height) / 15);
    click(QStringLiteral("Befehl1")); // "Ende", then the info window from the menu
    m_shell->openInfoWindow();
    auto *box = m_shell->infoWindow()->findChild<QCheckBox *>(QStringLiteral("Kontroll2"));
    QCOMPARE(box->text(), QStringLiteral("Hilfen anzeigen"));
    QVERIFY(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!m_shell->helpSetting().isOn());
    m_shell->openSingleRowTrainer();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(m_window->size(), QSize(7830, 5430) / 15);
    QVERIFY(!control(QStringLiteral("Bild7"))->isVisible());
    type(9);
    QCOMPARE(m_platform->messages.last().title, QStringLiteral("Fehler"));
    QCOMPARE(m_model->tutor().hint(), QString());
    QCOMPARE(litCount(), 0);
    m_shell->helpSetting().setOn(true);
    QCOMPARE(m_window->size(), QSize(7830, 5430 + HelpStrip::height) / 15);
}

void TestHelpStrip::lernstandShowsTheKindsMetAndIsCopiedAndPrinted()
{
    open(1);
    for (int digit : {2, 1, 9, 0}) // the tens without the carry, then right
        type(digit);
    click(QStringLiteral("Befehl22"));
    click(QStringLiteral("Befehl1"));
    m_shell->openInfoWindow();
    QTest::mouseClick(m_shell->infoWindow()->findChild<QAbstractButton *>(QStringLiteral("Befehl1")), Qt::LeftButton);
    LearningReportWindow *report = m_shell->learningReport();
    QVERIFY(report->isVisible());
    const QString text = report->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("Einreihige Multiplikation\n  gelöste Aufgaben: 0\n  richtige Ziffern: 3\n"
                                          "  falsche Ziffern: 1\n    Übertrag vergessen: 1 (1234 · 3: Zehner 9 statt 0)\n"
                                          "  Tipps: 2\n")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Zweireihige Multiplikation\n  noch nicht geübt")));
    QTest::mouseClick(report->findChild<QAbstractButton *>(QStringLiteral("Befehl1")), Qt::LeftButton);
    QCOMPARE(m_platform->clipboard(), text.split(QLatin1Char('\n')).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    m_platform->inputs = {QStringLiteral("3")}; // the right digits of all trainers
    m_platform->answers = {MessageAnswer::Yes};
    QTest::mouseClick(report->findChild<QAbstractButton *>(QStringLiteral("Befehl2")), Qt::LeftButton);
    QCOMPARE(m_platform->inputRequests.size(), 1);
    QCOMPARE(m_platform->printJobs.size(), 1);
    QCOMPARE(m_platform->printJobs.first().document.lines.join(QLatin1Char('\n')), text);
}

void TestHelpStrip::theHintCoversNothingAtAnyZoom()
{
    open(3);
    type(9); // the first field is a zero
    const QWidget *hint = control(QStringLiteral("Bezeichnung50"));
    for (const char *keys : {"Ctrl+-, Ctrl+-", "Ctrl+0", "Ctrl++, Ctrl++, Ctrl++"}) {
        QTest::keySequence(m_window, QKeySequence(QString::fromLatin1(keys)));
        const QRect covered(hint->mapTo(m_window, QPoint()), hint->size());
        QVERIFY(m_window->rect().contains(covered));
        for (const QWidget *other : m_window->findChildren<QWidget *>()) {
            if (other != hint && other->isVisible() && other->findChildren<QWidget *>().isEmpty())
                QVERIFY2(!covered.intersects(QRect(other->mapTo(m_window, QPoint()), other->size())),
                         qPrintable(other->objectName() + QLatin1Char(' ') + QString::fromLatin1(keys)));
        }
    }
}

// "Tipp" with the whole window mirrored: well within the 16 ms of a frame.
void TestHelpStrip::tippIsAnsweredWithinAFrame()
{
    open(3);
    QBENCHMARK {
        click(QStringLiteral("Befehl22"));
    }
    QVERIFY(hint().startsWith(QStringLiteral("Tipp: ")));
}

QTEST_MAIN(TestHelpStrip)
#include "test_help_strip.moc"
