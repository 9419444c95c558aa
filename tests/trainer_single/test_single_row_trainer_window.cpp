// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_shell.h"
#include "app/main_menu_window.h"
#include "trainer_single/single_row_trainer_window.h"
#include "worksheet/worksheet_view.h"

#include "support/cells.h"
#include "support/drop.h"
#include "support/scripted_platform.h"
#include "support/scripted_random.h"
#include "support/shell_test.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest/QTest>

namespace {
const QString wrongText = QStringLiteral("Das ist leider falsch, rechne nochmal.\r\r");
const QString solvedText = QStringLiteral("Die Aufgabe wurde richtig gelöst.\r\r");
} // namespace

class TestSingleRowTrainerWindow : public ShellTest {
    Q_OBJECT
private slots:
    void firstOpeningShowsAnOnesTask();
    void controlsStandAtTheirPlaces_data();
    void controlsStandAtTheirPlaces();
    void tileDropOnAFieldIsChecked();
    void wrongDropIsReportedCountedAndRemoved();
    void dropsOfAnythingButATileAreRefused();
    void solvedTaskBringsTheNextTask();
    void tensCommandAfterGapModeShowsATensTask();
    void gapPanelTakesDropsInGapMode();
    void endAndReopenKeepTheCounters();
    void closeBoxReturnsToTheMenu();
    void messageBoxClosingDoesNotReplaceTheTask();
    void invitationsAppearAndAnnounceTheGames();
    void helpButtonShowsTheHelp();
    void sheetButtonShowsAWorksheetOverTheTask();
    void printPasswordIsThePointsShownNow();

private:
    QLabel *field(const char *name) const
    {
        return m_shell->singleRowTrainer()->findChild<QLabel *>(QString::fromLatin1(name));
    }
    QAbstractButton *button(const QString &name) const
    {
        return m_shell->singleRowTrainer()->findChild<QAbstractButton *>(name);
    }
    QLabel *named(const QString &name) const
    {
        return m_shell->singleRowTrainer()->findChild<QLabel *>(name);
    }
    void openTrainer() { m_fixture->openSingleRowTrainer(); }

};

void TestSingleRowTrainerWindow::firstOpeningShowsAnOnesTask()
{
    QVERIFY(!m_shell->hasSingleRowTrainer());
    m_random->append(singleRowDraws(1, 2, 3, 4, 3));
    openTrainer();
    SingleRowTrainerWindow *trainer = m_shell->singleRowTrainer();
    QVERIFY(trainer->isVisible());
    QVERIFY(!m_shell->mainMenu()->isVisible());
    QCOMPARE(trainer->objectName(), QStringLiteral("Form1"));
    QCOMPARE(trainer->windowTitle(), QStringLiteral("Einreihige Multiplikation mit Einerzahl"));
    QCOMPARE(field("Bezeichnung1")->text(), QStringLiteral("1"));
    QCOMPARE(field("Bezeichnung5")->text(), QStringLiteral("3"));
    QVERIFY(!field("Bezeichnung10")->isVisible());
    QVERIFY(!field("Bezeichnung18")->isVisible());
    QCOMPARE(named(QStringLiteral("Bezeichnung22"))->text(), QStringLiteral("0"));
    QCOMPARE(named(QStringLiteral("Bezeichnung23"))->text(), QStringLiteral("0"));
    QVERIFY(!trainer->findChild<QWidget *>(QStringLiteral("Bild6"))->isVisible()); // the gap panel
    // Centred on the screen.
    QCOMPARE(trainer->pos(), QPoint((1280 - trainer->frameGeometry().width()) / 2,
                                    (1024 - trainer->frameGeometry().height()) / 2));
}

void TestSingleRowTrainerWindow::controlsStandAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Ende") << "Befehl1" << QRect(960, 120, 855, 495);
    QTest::newRow("Blatt") << "Befehl14" << QRect(6000, 120, 855, 495);
    QTest::newRow("thousands digit") << "Bezeichnung1" << QRect(1560, 1560, 495, 495);
    QTest::newRow("multiplier") << "Bezeichnung5" << QRect(4560, 1560, 495, 495);
    QTest::newRow("ones carry") << "Bezeichnung9" << QRect(2760, 2040, 495, 375);
    QTest::newRow("product ones") << "Bezeichnung17" << QRect(4560, 2640, 495, 615);
    QTest::newRow("tile 0") << "Befehl2" << QRect(960, 4680, 495, 615);
    QTest::newRow("tile 9") << "Befehl11" << QRect(960 + 5400, 4680, 495, 615);
    QTest::newRow("rocket") << "Bild1" << QRect(7080, 4680, 495, 495);
    QTest::newRow("moon") << "Bild2" << QRect(7080, 240, 495, 495);
    QTest::newRow("task area") << "Figur6" << QRect(960, 840, 5895, 3615);
}

void TestSingleRowTrainerWindow::controlsStandAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    openTrainer();
    SingleRowTrainerWindow *trainer = m_shell->singleRowTrainer();
    auto *control = trainer->findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(QRect(control->mapTo(trainer, QPoint()), control->size()),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
}

void TestSingleRowTrainerWindow::tileDropOnAFieldIsChecked()
{
    m_random->append(singleRowDraws(1, 2, 3, 4, 3));
    openTrainer();
    QVERIFY(dropTile(field("Bezeichnung9"), QStringLiteral("1")));
    QCOMPARE(field("Bezeichnung9")->text(), QStringLiteral("1"));
    QCOMPARE(named(QStringLiteral("Bezeichnung22"))->text(), QStringLiteral("1"));
    QCOMPARE(m_platform->messages.size(), 0);
}

void TestSingleRowTrainerWindow::wrongDropIsReportedCountedAndRemoved()
{
    m_random->append(singleRowDraws(1, 2, 3, 4, 3));
    openTrainer();
    QString visibleWhileOpen;
    m_platform->whileMessageOpen = [&](const ScriptedPlatform::Message &) {
        visibleWhileOpen = field("Bezeichnung11")->text();
    };
    QVERIFY(dropTile(field("Bezeichnung11"), QStringLiteral("8")));
    QCOMPARE(visibleWhileOpen, QStringLiteral("8"));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.first().text, wrongText);
    QCOMPARE(m_platform->messages.first().title, QStringLiteral("Fehler"));
    QCOMPARE(m_platform->messages.first().buttons, MessageButtons::Ok);
    QCOMPARE(m_platform->messages.first().icon, MessageIcon::None);
    QCOMPARE(field("Bezeichnung11")->text(), QString());
    QCOMPARE(named(QStringLiteral("Bezeichnung23"))->text(), QStringLiteral("1"));
    QCOMPARE(named(QStringLiteral("Bezeichnung22"))->text(), QStringLiteral("0"));
}

void TestSingleRowTrainerWindow::dropsOfAnythingButATileAreRefused()
{
    m_random->append(singleRowDraws(1, 2, 3, 4, 3));
    openTrainer();
    QVERIFY(!dropTile(field("Bezeichnung9"), QStringLiteral("1"), QStringLiteral("text/plain")));
    QVERIFY(!dropTile(field("Bezeichnung9"), QStringLiteral("12")));
    QVERIFY(!dropTile(field("Bezeichnung1"), QStringLiteral("1"))); // a task digit is no field
    QCOMPARE(field("Bezeichnung9")->text(), QString());
    QCOMPARE(field("Bezeichnung1")->text(), QStringLiteral("1"));
    QCOMPARE(m_platform->messages.size(), 0);
}

void TestSingleRowTrainerWindow::solvedTaskBringsTheNextTask()
{
    m_random->append(singleRowDraws(1, 2, 3, 4, 3));
    m_random->append(singleRowDraws(5, 5, 5, 5, 5));
    openTrainer();
    for (const auto &[element, digit] : QList<std::pair<const char *, QString>>{
             {"Bezeichnung11", "3"}, {"Bezeichnung12", "7"}, {"Bezeichnung13", "0"}, {"Bezeichnung17", "2"}})
        QVERIFY(dropTile(field(element), digit));
    QCOMPARE(m_platform->messageTexts(), QStringList{solvedText});
    QCOMPARE(m_platform->messages.first().title, QStringLiteral("Malaufgabe"));
    QCOMPARE(field("Bezeichnung1")->text(), QStringLiteral("5"));
    QCOMPARE(field("Bezeichnung17")->text(), QString());
    QCOMPARE(named(QStringLiteral("Bezeichnung22"))->text(), QStringLiteral("4"));
    QCOMPARE(named(QStringLiteral("Bild1"))->y(), (4680 - 240) / 15);
}

void TestSingleRowTrainerWindow::tensCommandAfterGapModeShowsATensTask()
{
    openTrainer();
    QTest::mouseClick(button(QStringLiteral("Befehl12")), Qt::LeftButton);
    SingleRowTrainerWindow *trainer = m_shell->singleRowTrainer();
    auto *gapPanel = trainer->findChild<QWidget *>(QStringLiteral("Bild6"));
    // Over the whole task area, which hides the normal task under it.
    QCOMPARE(QRect(gapPanel->mapTo(trainer, QPoint()), gapPanel->size()), QRect(64, 56, 393, 241));
    QVERIFY(gapPanel->isVisible());
    QVERIFY(!field("Bezeichnung1")->isVisible());
    m_random->append(singleRowDraws(1, 2, 3, 4, 3));
    QTest::mouseClick(button(QStringLiteral("Befehl20")), Qt::LeftButton);
    QVERIFY(!gapPanel->isVisible());
    QVERIFY(field("Bezeichnung1")->isVisible());
    QCOMPARE(m_shell->singleRowTrainer()->windowTitle(), QStringLiteral("Einreihige Multiplikation mit Zehnerzahl"));
    QVERIFY(field("Bezeichnung6")->isVisible());
    QVERIFY(field("Bezeichnung18")->isVisible());
    QVERIFY(m_shell->singleRowTrainer()->findChild<QWidget *>(QStringLiteral("Linie6"))->isVisible());
    QVERIFY(!field("Bezeichnung19")->isVisible());
    QVERIFY(dropTile(field("Bezeichnung18"), QStringLiteral("0")));
    QCOMPARE(named(QStringLiteral("Bezeichnung22"))->text(), QStringLiteral("1"));
}

void TestSingleRowTrainerWindow::gapPanelTakesDropsInGapMode()
{
    openTrainer();
    m_random->append(singleRowDraws(3, 0, 0, 5, 4));
    m_random->append({ScriptedRandom::forDigit(2, 1, 4)});
    QTest::mouseClick(button(QStringLiteral("Befehl12")), Qt::LeftButton);
    QCOMPARE(field("luecke7")->text(), QStringLiteral("2"));
    QVERIFY(dropTile(field("luecke2"), QStringLiteral("0")));
    QVERIFY(dropTile(field("luecke14"), QStringLiteral("2")));
    QVERIFY(dropTile(field("luecke17"), QStringLiteral("1")));
    QCOMPARE(m_platform->messageTexts(), QStringList{solvedText});
    QCOMPARE(m_platform->messages.first().title, QStringLiteral("Lückenaufgabe"));
    QVERIFY(!dropTile(field("luecke7"), QStringLiteral("2"))); // given carries take no drops
}

void TestSingleRowTrainerWindow::endAndReopenKeepTheCounters()
{
    m_random->append(singleRowDraws(1, 2, 3, 4, 3));
    openTrainer();
    dropTile(field("Bezeichnung9"), QStringLiteral("1"));
    dropTile(field("Bezeichnung9"), QStringLiteral("7"));
    QTest::mouseClick(button(QStringLiteral("Befehl12")), Qt::LeftButton); // gap mode
    QTest::mouseClick(button(QStringLiteral("Befehl1")), Qt::LeftButton);  // "Ende"
    SingleRowTrainerWindow *trainer = m_shell->singleRowTrainer();
    QVERIFY(!trainer->isVisible());
    QVERIFY(m_shell->mainMenu()->isVisible());
    QTest::mouseClick(m_shell->mainMenu()->findChild<QAbstractButton *>(QStringLiteral("Bild1")),
                      Qt::LeftButton);
    QCOMPARE(m_shell->singleRowTrainer(), trainer);
    QVERIFY(trainer->isVisible());
    QCOMPARE(named(QStringLiteral("Bezeichnung22"))->text(), QStringLiteral("1"));
    QCOMPARE(named(QStringLiteral("Bezeichnung23"))->text(), QStringLiteral("1"));
    // "Ende" left gap mode.
    QVERIFY(!trainer->findChild<QWidget *>(QStringLiteral("Bild6"))->isVisible());
    QVERIFY(!trainer->model().gapMode());
}

void TestSingleRowTrainerWindow::closeBoxReturnsToTheMenu()
{
    openTrainer();
    SingleRowTrainerWindow *trainer = m_shell->singleRowTrainer();
    QVERIFY(!trainer->close());
    QVERIFY(!trainer->isVisible());
    QVERIFY(m_shell->mainMenu()->isVisible());
    QCOMPARE(m_platform->quitCalls, 0);
}

void TestSingleRowTrainerWindow::messageBoxClosingDoesNotReplaceTheTask()
{
    m_random->append(singleRowDraws(1, 2, 3, 4, 3));
    m_random->append(singleRowDraws(7, 7, 7, 7, 7));
    openTrainer();
    dropTile(field("Bezeichnung11"), QStringLiteral("3"));
    dropTile(field("Bezeichnung17"), QStringLiteral("9")); // wrong: a box opens and closes
    // The window regains focus after the box: the half-solved task stays.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(m_shell->singleRowTrainer(), &activate);
    QCOMPARE(field("Bezeichnung1")->text(), QStringLiteral("1"));
    QCOMPARE(field("Bezeichnung11")->text(), QStringLiteral("3"));
}

void TestSingleRowTrainerWindow::invitationsAppearAndAnnounceTheGames()
{
    openTrainer();
    SingleRowTrainerWindow *trainer = m_shell->singleRowTrainer();
    QSignalSpy catchSpy(trainer, &SingleRowTrainerWindow::catchGameRequested);
    auto *catchInvitation = button(QStringLiteral("Bezeichnung26"));
    auto *memoryInvitation = button(QStringLiteral("Bezeichnung14"));
    QVERIFY(!catchInvitation->isVisible());
    QVERIFY(!memoryInvitation->isVisible());
    QCOMPARE(catchInvitation->text(), QStringLiteral("Du hast eine Belohnung, klicke hier . . ."));
    for (int i = 0; i < 50; ++i) {
        m_random->append(singleRowDraws(1, 2, 3, 4, 3));
        QVERIFY(dropTile(field("Bezeichnung9"), expected(trainer->model(), cellNamed(trainer->model().design(), QStringLiteral("Bezeichnung9")))));
    }
    QVERIFY(catchInvitation->isVisible());
    QTest::mouseClick(catchInvitation, Qt::LeftButton);
    QCOMPARE(catchSpy.size(), 1);
    QVERIFY(!catchInvitation->isVisible());
}

void TestSingleRowTrainerWindow::helpButtonShowsTheHelp()
{
    openTrainer();
    QTest::mouseClick(button(QStringLiteral("Befehl15")), Qt::LeftButton);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.first().title, QStringLiteral("Hilfe"));
    QCOMPARE(m_platform->messages.first().text,
             QStringLiteral("Schiebe die Ziffern vom unteren Fensterrand\r"
                            "mit der Maus in das gewünschte Lösungsfeld.\r"
                            "Für jede richtige Zahl gibt es einen Punkt und\r"
                            "alle 50 Punkte gibt es ein Belohnungsspiel.\r"));
}

void TestSingleRowTrainerWindow::sheetButtonShowsAWorksheetOverTheTask()
{
    openTrainer();
    SingleRowTrainerWindow *trainer = m_shell->singleRowTrainer();
    auto *panel = trainer->findChild<QWidget *>(WorksheetView::panelName);
    auto *list = trainer->findChild<QListWidget *>(WorksheetView::listName);
    QVERIFY(!panel->isVisible());
    QTest::mouseClick(button(QStringLiteral("Befehl14")), Qt::LeftButton);
    QCOMPARE(panel->x(), 960 / 15);
    QCOMPARE(list->x(), 960 / 15);
    QVERIFY(panel->isVisible());
    QCOMPARE(list->count(), 37);
    // A later change of the task, into gap mode too, keeps the sheet on top.
    trainer->model().chooseGaps();
    for (const char *below : {"luecke1", "Befehl2"}) {
        QWidget *control = trainer->findChild<QWidget *>(QString::fromLatin1(below));
        QWidget *hit = trainer->childAt(control->mapTo(trainer, control->rect().center()));
        QVERIFY2(hit == list || list->isAncestorOf(hit), below);
    }
    QTest::mouseClick(trainer->findChild<QAbstractButton *>(WorksheetView::cancelButtonName), Qt::LeftButton);
    QCOMPARE(list->count(), 0);
    QVERIFY(!panel->isVisible());
}

void TestSingleRowTrainerWindow::printPasswordIsThePointsShownNow()
{
    m_random->append(singleRowDraws(1, 2, 3, 4, 3));
    openTrainer();
    dropTile(field("Bezeichnung9"), QStringLiteral("1"));
    dropTile(field("Bezeichnung9"), QStringLiteral("1"));
    SingleRowTrainerWindow *trainer = m_shell->singleRowTrainer();
    QTest::mouseClick(button(QStringLiteral("Befehl14")), Qt::LeftButton);
    auto *printTasks = trainer->findChild<QAbstractButton *>(WorksheetView::printTasksButtonName);
    m_platform->inputs = {QStringLiteral("02"), QStringLiteral("2")};
    m_platform->answers = {MessageAnswer::Yes};
    QTest::mouseClick(printTasks, Qt::LeftButton); // a leading zero is refused
    QCOMPARE(m_platform->printJobs.size(), 0);
    QTest::mouseClick(printTasks, Qt::LeftButton);
    QCOMPARE(m_platform->inputRequests.size(), 2);
    QCOMPARE(m_platform->printJobs.size(), 1);
    QCOMPARE(m_platform->printJobs.first().document.lines.size(), 4 + 37);
}

QTEST_MAIN(TestSingleRowTrainerWindow)
#include "test_single_row_trainer_window.moc"
