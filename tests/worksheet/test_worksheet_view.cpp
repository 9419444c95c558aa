// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/random_source.h"
#include "shell/twips.h"
#include "support/scripted_platform.h"
#include "worksheet/worksheet_view.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest/QTest>

using namespace Qt::StringLiterals;

namespace {

// A trainer window reduced to what the worksheet view needs: its size and controls to cover.
struct StandInTrainer {
    QWidget window;
    QPushButton *blatt = nullptr;
    QPushButton *tile = nullptr;
    ScriptedPlatform platform;
    MixingRandomSource random{11};
    bool locked = true;
    bool staircase = false;
    int points = 0;
    WorksheetView *view = nullptr;

    explicit StandInTrainer(SheetKind kind = SheetKind::SingleRow)
    {
        window.setFixedSize(Twips::size(7830, 5430));
        view = new WorksheetView(&window, kind, platform, random,
                                 {[this] { return locked; }, [this] { return points; }, [this] { return staircase; }});
        // Made after the view, so they stack above it unless "Blatt" raises the sheet.
        blatt = new QPushButton(u"Blatt"_s, &window);
        blatt->setGeometry(Twips::rect(6000, 120, 855, 495));
        tile = new QPushButton(u"7"_s, &window);
        tile->setGeometry(Twips::rect(960 + 600 * 7, 4680, 495, 615));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    QWidget *panel() { return window.findChild<QWidget *>(WorksheetView::panelName); }
    QListWidget *list() { return window.findChild<QListWidget *>(WorksheetView::listName); }
    QPushButton *button(const QString &caption)
    {
        const auto buttons = panel()->findChildren<QPushButton *>();
        const auto found = std::find_if(buttons.begin(), buttons.end(), [&](auto *b) { return b->text() == caption; });
        return found == buttons.end() ? nullptr : *found;
    }
    void click(const QString &caption)
    {
        QVERIFY2(button(caption), qPrintable(caption));
        QTest::mouseClick(button(caption), Qt::LeftButton);
    }
    // What stands topmost at the centre of a control of the trainer.
    QWidget *topmostOver(QWidget *control) { return window.childAt(control->geometry().center()); }
    bool covers(QWidget *cover, QWidget *control)
    {
        QWidget *top = topmostOver(control);
        return top == cover || cover->isAncestorOf(top);
    }
};

const QStringList commands{u"Aufgaben drucken"_s, u"Lösungen drucken"_s, u"Kopieren"_s};

} // namespace

class TestWorksheetView : public QObject {
    Q_OBJECT
private slots:
    void sheetStaysHiddenUntilBuilt();
    void blattBringsAFreshSheetOverTheTrainer();
    void panelButtonsPrintAndCopyTheShownSheet();
    void abbruchEmptiesHidesAndDisarmsTheCommands();
    void staircaseIsReadWhenTheSheetIsBuilt();
    void everyRowShowsWithoutScrollingSideways_data();
    void everyRowShowsWithoutScrollingSideways();
};

void TestWorksheetView::sheetStaysHiddenUntilBuilt()
{
    StandInTrainer trainer;
    QVERIFY(trainer.panel() && trainer.list());
    QVERIFY(!trainer.panel()->isVisible());
    QVERIFY(!trainer.list()->isVisible());
    QVERIFY(!trainer.view->isShown());
    QVERIFY(trainer.view->rows().isEmpty());
}

void TestWorksheetView::blattBringsAFreshSheetOverTheTrainer()
{
    StandInTrainer trainer;
    trainer.view->build();

    QVERIFY(trainer.view->isShown());
    QVERIFY(trainer.panel()->isVisible());
    QVERIFY(trainer.list()->isVisible());
    const QRect client = trainer.window.rect();
    QVERIFY(client.contains(trainer.panel()->geometry()) && client.contains(trainer.list()->geometry()));
    // The panel lies over the trainer's own command row, the list over its tiles.
    QVERIFY(trainer.covers(trainer.panel(), trainer.blatt));
    QVERIFY(trainer.covers(trainer.list(), trainer.tile));

    const QStringList first = trainer.view->rows();
    QCOMPARE(first.size(), 37);
    QCOMPARE(first.at(0).size(), 48); // trailing blanks kept in the list
    QVERIFY(QFontInfo(trainer.list()->font()).fixedPitch());

    trainer.view->build();
    QCOMPARE(trainer.view->rows().size(), 37);
    QVERIFY(trainer.view->rows() != first);
}

void TestWorksheetView::panelButtonsPrintAndCopyTheShownSheet()
{
    StandInTrainer trainer;
    trainer.view->build();
    const QStringList rows = trainer.view->rows();
    trainer.points = 42;
    trainer.platform.inputs = {u"42"_s, u"42"_s};
    trainer.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};

    for (const QString &caption : commands)
        trainer.click(caption);

    QCOMPARE(trainer.platform.inputRequests.size(), 2); // copying asks for no password
    QCOMPARE(trainer.platform.printJobs.size(), 2);
    const QStringList tasks = trainer.platform.printJobs.at(0).document.lines;
    QCOMPARE(tasks.at(1), u"Einreihige Multiplikation (Rechenblatt)"_s);
    QCOMPARE(tasks.at(4 + 0), rows.at(0));
    QCOMPARE(tasks.at(4 + 2), u"_____   _____   _____   _____   _____   _____"_s);
    const QStringList solutions = trainer.platform.printJobs.at(1).document.lines;
    QCOMPARE(solutions.at(1), u"Einreihige Multiplikation (Lösungsblatt)"_s);
    QCOMPARE(solutions.mid(4), rows);
    QCOMPARE(trainer.platform.clipboardWrites.size(), 1);
    QCOMPARE(trainer.platform.clipboard().count(u"\r\n"_s), 76);
    QVERIFY(trainer.platform.clipboard().endsWith(rows.last() + u"\r\n"_s));
}

void TestWorksheetView::abbruchEmptiesHidesAndDisarmsTheCommands()
{
    StandInTrainer trainer;
    trainer.locked = false;
    trainer.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    trainer.view->build();
    QSignalSpy closed(trainer.view, &WorksheetView::closed);

    trainer.click(u"Abbruch"_s);

    QCOMPARE(closed.count(), 1);
    QVERIFY(!trainer.view->isShown());
    QVERIFY(trainer.view->rows().isEmpty());
    QVERIFY(!trainer.panel()->isVisible());
    QVERIFY(!trainer.list()->isVisible());
    QCOMPARE(trainer.topmostOver(trainer.blatt), trainer.blatt);

    // The commands work on a shown sheet only, even when their buttons are triggered.
    for (const QString &caption : commands)
        trainer.button(caption)->click();
    QVERIFY(trainer.platform.messages.isEmpty());
    QVERIFY(trainer.platform.printJobs.isEmpty());
    QVERIFY(trainer.platform.clipboardWrites.isEmpty());
}

void TestWorksheetView::staircaseIsReadWhenTheSheetIsBuilt()
{
    StandInTrainer trainer(SheetKind::TwoRow);
    // The last place (the zero) of the first partial product in each of the six cells of row 3.
    const auto lastPlaces = [&] {
        QString places;
        for (int cell = 0; cell < 6; ++cell)
            places += trainer.view->rows().at(3).at(cell * 8 + 5);
        return places;
    };
    trainer.staircase = true;
    trainer.view->build();
    QCOMPARE(trainer.view->rows().size(), 40);
    QCOMPARE(lastPlaces(), u"      "_s);

    trainer.staircase = false; // switching afterwards leaves the built sheet alone
    QCOMPARE(lastPlaces(), u"      "_s);
    trainer.view->build();
    QCOMPARE(lastPlaces(), u"000000"_s);
}

void TestWorksheetView::everyRowShowsWithoutScrollingSideways_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::newRow("one-row sheet, rows of 48 and 50") << SheetKind::SingleRow;
    QTest::newRow("two-row sheet, rows of 48 and 52") << SheetKind::TwoRow;
    QTest::newRow("three-row sheet, rows of 48") << SheetKind::ThreeRow;
}

// Also run with QT_SCALE_FACTOR=2 (see CMakeLists.txt).
void TestWorksheetView::everyRowShowsWithoutScrollingSideways()
{
    QFETCH(SheetKind, kind);
    StandInTrainer trainer(kind);
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(trainer.window.devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    trainer.view->build();
    QCoreApplication::processEvents(); // the list lays out its rows
    QListWidget *list = trainer.list();
    const QFontMetricsF metrics(list->font(), list);
    qreal widest = 0;
    for (const QString &row : trainer.view->rows())
        widest = qMax(widest, metrics.horizontalAdvance(row));
    QVERIFY2(widest <= list->viewport()->width(),
             qPrintable(u"rows %1 px wide in a list %2 px wide"_s.arg(widest).arg(list->viewport()->width())));
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
    QVERIFY(QFontInfo(list->font()).fixedPitch());
    QVERIFY(list->font().bold());
}

QTEST_MAIN(TestWorksheetView)
#include "test_worksheet_view.moc"
