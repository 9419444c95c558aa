// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_shell.h"
#include "app/main_menu_window.h"
#include "rewards/catch_game_window.h"
#include "trainer_frame/help_strip.h"
#include "trainer_multi/multi_row_trainer_window.h"
#include "trainer_single/single_row_trainer_window.h"
#include "worksheet/worksheet_view.h"

#include "support/cells.h"
#include "support/drop.h"
#include "support/multi_row_draws.h"
#include "support/shell_test.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QtTest/QTest>

namespace {
const QString solvedText = QStringLiteral("Die Aufgabe wurde richtig gelöst.\r\r");
} // namespace

// Both multi-row trainers, driven as a pupil drives them: opened from the menu,
// tiles dropped on the real fields, commands clicked.
class TestMultiRowTrainerWindow : public ShellTest {
    Q_OBJECT
private slots:
    void menuOpensTheTrainerWithItsTask_data();
    void menuOpensTheTrainerWithItsTask();
    void cellsStandOnOneGridUnderTheirMultiplierDigits_data();
    void cellsStandOnOneGridUnderTheirMultiplierDigits();
    void dropsOnTheFieldsSolveTheTask_data();
    void dropsOnTheFieldsSolveTheTask();
    void layoutButtonHidesTheZerosInBothViews_data();
    void layoutButtonHidesTheZerosInBothViews();
    void gapPanelCoversTheTaskUntilEnde_data();
    void gapPanelCoversTheTaskUntilEnde();
    void catchGameIsAnnouncedAndEndsInTheOneRowTrainer_data();
    void catchGameIsAnnouncedAndEndsInTheOneRowTrainer();
    void worksheetFollowsTheLayoutAndThisTrainersPoints_data();
    void worksheetFollowsTheLayoutAndThisTrainersPoints();

private:
    void addRows();
    MultiRowTrainerWindow *open(int rows, int multiplicand = 5001)
    {
        m_rows = rows;
        m_fixture->random.append(multiRowDraws(multiplicand, QList<int>(rows, 2)));
        m_fixture->shell.start();
        QTest::mouseClick(m_fixture->menuButton(rows == 3 ? QStringLiteral("Bild6") : QStringLiteral("Bild2")),
                          Qt::LeftButton);
        return trainer();
    }
    MultiRowTrainerWindow *trainer()
    {
        return m_rows == 3 ? m_fixture->shell.threeRowTrainer() : m_fixture->shell.twoRowTrainer();
    }
    template <typename T = QLabel>
    T *named(const QString &name)
    {
        return trainer()->findChild<T *>(name);
    }
    void click(const QString &name) { QTest::mouseClick(named<QAbstractButton>(name), Qt::LeftButton); }
    // Drops the right digit on every field the pupil can fill; the number of drops.
    int solveWithTiles()
    {
        MultiRowTrainerModel &model = trainer()->model();
        const TrainerDesign &design = model.design();
        const TrainerView view = model.gapMode() ? TrainerView::GapPanel : TrainerView::Normal;
        int drops = 0;
        for (int i = 0; i < design.size(); ++i)
            if (design.cell(i).view == view && design.takesDrops(i) && named(design.cell(i).name)->isVisible())
                drops += dropTile(named(design.cell(i).name), expected(model, i)) ? 1 : 0;
        return drops;
    }

    int m_rows = 2;
};

void TestMultiRowTrainerWindow::addRows()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("two rows") << 2;
    QTest::newRow("three rows") << 3;
}

void TestMultiRowTrainerWindow::menuOpensTheTrainerWithItsTask_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientTwips");
    QTest::newRow("two rows") << 2 << "Form2" << "Zweireihige Multiplikation" << QSize(7830, 5475);
    QTest::newRow("three rows") << 3 << "Form3" << "Dreireihige Multiplikation" << QSize(7830, 5430);
}

void TestMultiRowTrainerWindow::menuOpensTheTrainerWithItsTask()
{
    QFETCH(int, rows);
    QFETCH(QString, objectName);
    QFETCH(QString, caption);
    QFETCH(QSize, clientTwips);
    MultiRowTrainerWindow *window = open(rows);
    QVERIFY(window->isVisible());
    QVERIFY(!m_fixture->shell.mainMenu()->isVisible());
    QCOMPARE(window->objectName(), objectName);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), (clientTwips + QSize(0, HelpStrip::height)) / 15); // and the help strip under it
    QCOMPARE(named(QStringLiteral("Bezeichnung1"))->text(), QStringLiteral("5"));
    const QStringList captions{"Ende", "Hilfe", "Normal", "Treppe", "Lücke", "Blatt"};
    const QStringList commands{"Befehl1", "Befehl15", "Befehl21", "Befehl12", "Befehl13", "Befehl14"};
    for (int i = 0; i < commands.size(); ++i)
        QCOMPARE(named<QAbstractButton>(commands.at(i))->text(), captions.at(i));
    for (const char *name : {"Bezeichnung22", "Bezeichnung23"})
        QCOMPARE(named(QString::fromLatin1(name))->text(), QStringLiteral("0"));
    // Every cell of both views exists under its name.
    for (const TrainerCell &cell : window->model().design().cells())
        QVERIFY2(named<QWidget>(cell.name), qPrintable(cell.name));
    // "Hilfe" is the same help as in the one-row trainer.
    click(QStringLiteral("Befehl15"));
    QCOMPARE(m_fixture->platform.messages.last().title, QStringLiteral("Hilfe"));
    QVERIFY(m_fixture->platform.messages.last().text.startsWith(
        QStringLiteral("Schiebe die Ziffern vom unteren Fensterrand\r")));
}

void TestMultiRowTrainerWindow::cellsStandOnOneGridUnderTheirMultiplierDigits_data()
{
    addRows();
}

void TestMultiRowTrainerWindow::cellsStandOnOneGridUnderTheirMultiplierDigits()
{
    QFETCH(int, rows);
    MultiRowTrainerWindow *window = open(rows);
    const TrainerDesign &design = window->model().design();
    const QWidget *area = named<QWidget>(QStringLiteral("Figur4"));
    const QRect frame(area->mapTo(window, QPoint()), area->size());
    QHash<int, int> columnLeft;
    auto row = [&design](int r) {
        QList<TrainerCell> cells;
        for (int i = 0; i < design.size(); ++i)
            if (design.cell(i).view == TrainerView::Normal && design.cell(i).row == r && design.holdsDigit(i))
                cells.append(design.cell(i));
        return cells;
    };
    for (int i = 0; i < design.size(); ++i) {
        const TrainerCell &cell = design.cell(i);
        if (!design.holdsDigit(i))
            continue;
        const QLabel *label = named(cell.name);
        QCOMPARE(label->width(), label->height());
        if (cell.view == TrainerView::Normal)
            QVERIFY2(frame.contains(QRect(label->mapTo(window, QPoint()), label->size())), qPrintable(cell.name));
        // One column pitch, the same in the normal view and on the gap panel.
        const int left = label->mapTo(window, QPoint()).x();
        QCOMPARE(left, columnLeft.value(cell.column, left));
        columnLeft.insert(cell.column, left);
    }
    for (int column = 2; column <= design.columns(); ++column)
        QCOMPARE(columnLeft.value(column - 1) - columnLeft.value(column), 40);
    // Each partial product ends under its multiplier digit.
    const QList<TrainerCell> multiplier = row(0).mid(4);
    for (int r = 1; r <= rows; ++r) {
        const TrainerCell digit = multiplier.at(r - 1);
        const int zeros = rows - r;
        QCOMPARE(digit.column, zeros + 1);
        const TrainerCell last = row(r).at(row(r).size() - 1 - zeros);
        QCOMPARE(named(last.name)->x(), named(digit.name)->x());
    }
}

void TestMultiRowTrainerWindow::dropsOnTheFieldsSolveTheTask_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("digits");
    QTest::newRow("two rows") << 2 << 17;
    QTest::newRow("three rows") << 3 << 25;
}

void TestMultiRowTrainerWindow::dropsOnTheFieldsSolveTheTask()
{
    QFETCH(int, rows);
    QFETCH(int, digits);
    open(rows);
    QVERIFY(dropTile(named(QStringLiteral("Bezeichnung9")), QStringLiteral("7")));
    QCOMPARE(m_fixture->platform.messages.last().title, QStringLiteral("Fehler"));
    QCOMPARE(named(QStringLiteral("Bezeichnung9"))->text(), QString());
    QCOMPARE(named(QStringLiteral("Bezeichnung23"))->text(), QStringLiteral("1"));
    QVERIFY(!dropTile(named(QStringLiteral("Bezeichnung1")), QStringLiteral("5"))); // a task digit
    m_fixture->random.append(multiRowDraws(9994, QList<int>(rows, 9)));
    QCOMPARE(solveWithTiles(), digits);
    QCOMPARE(m_fixture->platform.messages.last().text, solvedText);
    QCOMPARE(m_fixture->platform.messages.last().title, QStringLiteral("Malaufgabe"));
    QCOMPARE(named(QStringLiteral("Bezeichnung22"))->text(), QString::number(digits));
    QCOMPARE(named(QStringLiteral("Bild1"))->y(), (4680 - 240) / 15);
    QCOMPARE(named(QStringLiteral("Bezeichnung1"))->text(), QStringLiteral("9"));
}

void TestMultiRowTrainerWindow::layoutButtonHidesTheZerosInBothViews_data()
{
    addRows();
}

void TestMultiRowTrainerWindow::layoutButtonHidesTheZerosInBothViews()
{
    QFETCH(int, rows);
    MultiRowTrainerWindow *window = open(rows);
    QStringList zeros;
    for (const TrainerCell &cell : window->model().design().cells())
        if (cell.role == CellRole::PlaceZero)
            zeros.append(cell.name);
    QCOMPARE(zeros.size(), rows == 3 ? 6 : 2);
    click(QStringLiteral("Befehl12"));
    QCOMPARE(named<QAbstractButton>(QStringLiteral("Befehl12"))->text(), QStringLiteral("Bündig"));
    for (const QString &zero : zeros)
        QVERIFY2(named(zero)->isHidden(), qPrintable(zero));
    m_fixture->random.append(multiRowDraws(5001, QList<int>(rows, 2)));
    QCOMPARE(solveWithTiles(), rows == 3 ? 22 : 16);
    click(QStringLiteral("Befehl12"));
    QCOMPARE(named<QAbstractButton>(QStringLiteral("Befehl12"))->text(), QStringLiteral("Treppe"));
    for (const QString &zero : zeros)
        QVERIFY2(!named(zero)->isHidden(), qPrintable(zero));
}

void TestMultiRowTrainerWindow::gapPanelCoversTheTaskUntilEnde_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("panelTop");
    QTest::addColumn<int>("gaps");
    QTest::newRow("two rows") << 2 << 840 << 7;
    QTest::newRow("three rows") << 3 << 720 << 9;
}

void TestMultiRowTrainerWindow::gapPanelCoversTheTaskUntilEnde()
{
    QFETCH(int, rows);
    QFETCH(int, panelTop);
    QFETCH(int, gaps);
    open(rows);
    auto *panel = named<QWidget>(QStringLiteral("Bild6"));
    QVERIFY(!panel->isVisible());
    m_fixture->random.append(multiRowDraws(5001, QList<int>(rows, 2)));
    click(QStringLiteral("Befehl13"));
    QVERIFY(panel->isVisible());
    QCOMPARE(QRect(panel->mapTo(trainer(), QPoint()), panel->size()),
             QRect(960 / 15, panelTop / 15, 5895 / 15, named<QWidget>(QStringLiteral("Figur4"))->height()));
    QCOMPARE(panel->height(), (rows == 3 ? 3495 : 3255) / 15);
    QVERIFY(!dropTile(named(QStringLiteral("luecke12")), QStringLiteral("1"))); // a given digit
    m_fixture->random.append(multiRowDraws(6002, QList<int>(rows, 3)));
    QCOMPARE(solveWithTiles(), gaps);
    QCOMPARE(m_fixture->platform.messages.last().title, QStringLiteral("Lückenaufgabe"));
    QCOMPARE(named(QStringLiteral("luecke1"))->text(), QStringLiteral("6"));

    // "Ende" leaves gap mode: the trainer opens again with a normal task.
    click(QStringLiteral("Befehl1"));
    QVERIFY(!trainer()->isVisible());
    QVERIFY(m_fixture->shell.mainMenu()->isVisible());
    m_fixture->random.append(multiRowDraws(7003, QList<int>(rows, 4)));
    QTest::mouseClick(m_fixture->menuButton(rows == 3 ? QStringLiteral("Bild6") : QStringLiteral("Bild2")),
                      Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QCOMPARE(named(QStringLiteral("Bezeichnung1"))->text(), QStringLiteral("7"));
    QCOMPARE(named(QStringLiteral("Bezeichnung22"))->text(), QString::number(gaps));
    // The close box runs "Ende" too.
    QVERIFY(!trainer()->close());
    QVERIFY(m_fixture->shell.mainMenu()->isVisible());
    QCOMPARE(m_fixture->platform.quitCalls, 0);
}

void TestMultiRowTrainerWindow::catchGameIsAnnouncedAndEndsInTheOneRowTrainer_data()
{
    addRows();
}

void TestMultiRowTrainerWindow::catchGameIsAnnouncedAndEndsInTheOneRowTrainer()
{
    QFETCH(int, rows);
    MultiRowTrainerWindow *window = open(rows);
    for (int i = 0; i < 50; ++i)
        QVERIFY(dropTile(named(QStringLiteral("Bezeichnung17")), QStringLiteral("1")));
    auto *invitation = named<QWidget>(QStringLiteral("Bezeichnung29"));
    QVERIFY(invitation->isVisible());
    QCOMPARE(invitation->y(), (rows == 3 ? 4200 : 4080) / 15);
    bool trainerShownDuringMessage = false;
    bool invitationShownDuringMessage = true;
    m_fixture->platform.whileMessageOpen = [&](const ScriptedPlatform::Message &) {
        trainerShownDuringMessage = window->isVisible();
        invitationShownDuringMessage = invitation->isVisible();
    };
    QTest::mouseClick(invitation, Qt::LeftButton);
    QCOMPARE(m_fixture->platform.messages.last().text, QStringLiteral("Es folgt jetzt eine Belohnung.\r\r"));
    QCOMPARE(m_fixture->platform.messages.last().title, QStringLiteral("Zahlfange"));
    QVERIFY(trainerShownDuringMessage);
    QVERIFY(!invitationShownDuringMessage);
    QVERIFY(!window->isVisible());
    QVERIFY(m_fixture->shell.catchGame()->isVisible());

    // The game ends in the one-row trainer; this trainer keeps its task and points.
    m_fixture->platform.whileMessageOpen = nullptr;
    m_fixture->platform.answers.append(MessageAnswer::Yes);
    QTest::keyClick(m_fixture->shell.catchGame(), Qt::Key_Escape);
    QVERIFY(m_fixture->shell.singleRowTrainer()->isVisible());
    QVERIFY(!window->isVisible());
    QCOMPARE(named(QStringLiteral("Bezeichnung22"))->text(), QStringLiteral("50"));
    QCOMPARE(named(QStringLiteral("Bezeichnung17"))->text(), QStringLiteral("1"));
    QCOMPARE(m_fixture->shell.singleRowTrainer()->findChild<QLabel *>(QStringLiteral("Bezeichnung22"))->text(),
             QStringLiteral("0"));
}

void TestMultiRowTrainerWindow::worksheetFollowsTheLayoutAndThisTrainersPoints_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("sheetRows");
    QTest::addColumn<int>("linesBefore");
    QTest::addColumn<int>("cellWidth");
    QTest::newRow("two rows") << 2 << 40 << 2 << 6;
    QTest::newRow("three rows") << 3 << 36 << 4 << 7;
}

void TestMultiRowTrainerWindow::worksheetFollowsTheLayoutAndThisTrainersPoints()
{
    QFETCH(int, rows);
    QFETCH(int, sheetRows);
    QFETCH(int, linesBefore);
    QFETCH(int, cellWidth);
    // The last place of the first task's first partial product: its zero, or a blank in the staircase.
    auto lastPlace = [&](QListWidget *list) { return list->item(3)->text().at(cellWidth - 1); };
    open(rows);
    QVERIFY(dropTile(named(QStringLiteral("Bezeichnung17")), QStringLiteral("1")));
    auto *list = named<QListWidget>(WorksheetView::listName);
    click(QStringLiteral("Befehl14"));
    QCOMPARE(list->count(), sheetRows);
    QCOMPARE(lastPlace(list), QLatin1Char('0'));
    click(QStringLiteral("Befehl12")); // the staircase applies from the next sheet on
    QCOMPARE(lastPlace(list), QLatin1Char('0'));
    click(QStringLiteral("Befehl14"));
    QCOMPARE(lastPlace(list), QLatin1Char(' '));

    m_fixture->platform.inputs = {QStringLiteral("1")};
    m_fixture->platform.answers = {MessageAnswer::Yes};
    click(WorksheetView::printSolutionsButtonName);
    QCOMPARE(m_fixture->platform.printJobs.size(), 1);
    QCOMPARE(m_fixture->platform.printJobs.first().document.lines.size(), linesBefore + sheetRows);
    QCOMPARE(m_fixture->platform.messages.last().title, QStringLiteral("Drucken"));
}

QTEST_MAIN(TestMultiRowTrainerWindow)
#include "test_multi_row_trainer_window.moc"
