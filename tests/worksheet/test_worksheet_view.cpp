#include "shell/random_source.h"
#include "shell/twips.h"
#include "support/scripted_platform.h"
#include "worksheet/worksheet_view.h"

#include <QFontInfo>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest/QTest>

using namespace Qt::StringLiterals;

namespace {

// A trainer window reduced to what the worksheet view needs: its size and a control to cover.
struct StandInTrainer {
    QWidget window;
    QPushButton *blatt = nullptr;
    QPushButton *tile = nullptr;
    ScriptedPlatform platform;
    MixingRandomSource random{11};
    bool locked = true;
    bool staircase = false;
    QString points = u"0"_s;
    WorksheetView *view = nullptr;

    explicit StandInTrainer(SheetKind kind = SheetKind::SingleRow)
    {
        window.setFixedSize(Twips::size(7830, 5430));
        view = new WorksheetView(&window, kind, platform, random,
                                 {[this] { return locked; }, [this] { return points; },
                                  [this] { return staircase; }});
        // Made after the view, so they stack above it unless "Blatt" raises the sheet.
        blatt = new QPushButton(u"Blatt"_s, &window);
        blatt->setGeometry(Twips::rect(6000, 120, 855, 495));
        tile = new QPushButton(u"7"_s, &window);
        tile->setGeometry(Twips::rect(960 + 600 * 7, 4680, 495, 615));
    }

    QWidget *panel() { return window.findChild<QWidget *>(u"Bild3"_s); }
    QListWidget *list() { return window.findChild<QListWidget *>(u"Liste5"_s); }
    QPushButton *button(const QString &caption)
    {
        for (QPushButton *button : panel()->findChildren<QPushButton *>()) {
            if (button->text() == caption)
                return button;
        }
        return nullptr;
    }
    void click(const QString &caption)
    {
        QPushButton *target = button(caption);
        QVERIFY2(target, qPrintable(caption));
        QTest::mouseClick(target, Qt::LeftButton);
    }
};

const QString abbruch = u"Abbruch"_s;
const QString aufgabenDrucken = u"Aufgaben drucken"_s;
const QString loesungenDrucken = u"Lösungen drucken"_s;
const QString kopieren = u"Kopieren"_s;

} // namespace

class TestWorksheetView : public QObject {
    Q_OBJECT
private slots:
    void panelButtonsStandInOneRow_data();
    void panelButtonsStandInOneRow();
    void sheetStaysOutsideTheWindowUntilBuilt();
    void blattBringsPanelAndListIntoView();
    void blattAgainReplacesTheSheet();
    void printButtonsPrintTheShownSheet();
    void kopierenCopiesWithoutPassword();
    void abbruchEmptiesAndHides();
    void commandsDoNothingWhileNoSheetIsShown();
    void staircaseIsReadWhenTheSheetIsBuilt();
};

void TestWorksheetView::panelButtonsStandInOneRow_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Abbruch") << abbruch << u"Befehl16"_s << Twips::rect(0, 120, 1095, 495);
    QTest::newRow("Aufgaben drucken")
        << aufgabenDrucken << u"Befehl17"_s << Twips::rect(1080, 120, 1815, 495);
    QTest::newRow("Lösungen drucken")
        << loesungenDrucken << u"Befehl18"_s << Twips::rect(2880, 120, 1815, 495);
    QTest::newRow("Kopieren") << kopieren << u"Befehl19"_s << Twips::rect(4680, 120, 1215, 495);
}

void TestWorksheetView::panelButtonsStandInOneRow()
{
    QFETCH(QString, caption);
    QFETCH(QString, objectName);
    QFETCH(QRect, geometry);

    StandInTrainer trainer;
    QPushButton *button = trainer.button(caption);
    QVERIFY(button);
    QCOMPARE(button->objectName(), objectName);
    QCOMPARE(button->geometry(), geometry);
    QVERIFY(QRect(QPoint(), trainer.panel()->size()).contains(button->geometry()));
}

void TestWorksheetView::sheetStaysOutsideTheWindowUntilBuilt()
{
    StandInTrainer trainer;
    trainer.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&trainer.window));

    QVERIFY(trainer.panel());
    QVERIFY(trainer.list());
    QCOMPARE(trainer.panel()->geometry(), Twips::rect(8040, 120, 5895, 615));
    QCOMPARE(trainer.list()->geometry(), Twips::rect(8040, 840, 5895, 4590));
    QVERIFY(trainer.panel()->x() >= trainer.window.width());
    QVERIFY(!trainer.panel()->isVisible());
    QVERIFY(!trainer.list()->isVisible());
    QCOMPARE(trainer.list()->count(), 0);
    QVERIFY(!trainer.view->isShown());
    QVERIFY(trainer.view->rows().isEmpty());
}

void TestWorksheetView::blattBringsPanelAndListIntoView()
{
    StandInTrainer trainer;
    trainer.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&trainer.window));

    trainer.view->build();

    QVERIFY(trainer.view->isShown());
    QCOMPARE(trainer.panel()->geometry(), Twips::rect(960, 120, 5895, 615));
    QCOMPARE(trainer.list()->geometry(), Twips::rect(960, 840, 5895, 4590));
    QVERIFY(trainer.panel()->isVisible());
    QVERIFY(trainer.list()->isVisible());
    // The panel lies over the trainer's own command row.
    const QPoint overBlatt = trainer.blatt->geometry().center();
    QWidget *top = trainer.window.childAt(overBlatt);
    QVERIFY(top == trainer.panel() || trainer.panel()->isAncestorOf(top));
    QWidget *overTile = trainer.window.childAt(trainer.tile->geometry().center());
    QVERIFY(overTile == trainer.list() || trainer.list()->isAncestorOf(overTile));

    QCOMPARE(trainer.list()->count(), 37);
    const QStringList rows = trainer.view->rows();
    QCOMPARE(rows.size(), 37);
    for (int row = 0; row < rows.size(); ++row)
        QCOMPARE(trainer.list()->item(row)->text(), rows.at(row));
    QVERIFY(rows.at(0).contains(QLatin1Char('*')));
    QCOMPARE(rows.at(15), u" "_s);
    QCOMPARE(rows.at(0).size(), 48); // trailing blanks kept in the list

    const QFont font = trainer.list()->font();
    QVERIFY(font.bold());
    QCOMPARE(font.pointSizeF(), 9.75);
    QVERIFY(QFontInfo(font).fixedPitch());
    const QPalette palette = trainer.list()->palette();
    QCOMPARE(palette.color(QPalette::Text), QColor(255, 255, 0));
    QCOMPARE(palette.color(QPalette::Base), QColor(128, 128, 255));
}

void TestWorksheetView::blattAgainReplacesTheSheet()
{
    StandInTrainer trainer;
    trainer.view->build();
    const QStringList first = trainer.view->rows();
    trainer.view->build();
    QCOMPARE(trainer.list()->count(), 37);
    QVERIFY(trainer.view->rows() != first);
}

void TestWorksheetView::printButtonsPrintTheShownSheet()
{
    StandInTrainer trainer;
    trainer.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&trainer.window));
    trainer.view->build();
    const QStringList rows = trainer.view->rows();
    trainer.points = u"42"_s;
    trainer.platform.inputs = {u"42"_s, u"42"_s};
    trainer.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};

    trainer.click(aufgabenDrucken);
    trainer.click(loesungenDrucken);

    QCOMPARE(trainer.platform.inputRequests.size(), 2);
    QCOMPARE(trainer.platform.printJobs.size(), 2);
    const QStringList tasks = trainer.platform.printJobs.at(0).document.lines;
    const QStringList solutions = trainer.platform.printJobs.at(1).document.lines;
    QCOMPARE(tasks.at(1), u"Einreihige Multiplikation (Rechenblatt)"_s);
    QCOMPARE(tasks.at(4 + 2), u"_____   _____   _____   _____   _____   _____"_s);
    QCOMPARE(tasks.at(4 + 0), rows.at(0));
    QCOMPARE(solutions.at(1), u"Einreihige Multiplikation (Lösungsblatt)"_s);
    QCOMPARE(solutions.mid(4), rows);
    QCOMPARE(trainer.platform.messages.first().title, u"Einreihige Multiplikation"_s);
    QCOMPARE(trainer.platform.messages.last().text, u"Das Lösungsblatt wird gedruckt ...\r\r"_s);
}

void TestWorksheetView::kopierenCopiesWithoutPassword()
{
    StandInTrainer trainer;
    trainer.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&trainer.window));
    trainer.view->build();

    trainer.click(kopieren);

    QVERIFY(trainer.platform.inputRequests.isEmpty());
    QCOMPARE(trainer.platform.clipboardWrites.size(), 1);
    QCOMPARE(trainer.platform.clipboard().count(u"\r\n"_s), 76);
    QVERIFY(trainer.platform.clipboard().endsWith(trainer.view->rows().last() + u"\r\n"_s));
    QCOMPARE(trainer.platform.messages.last().title, u"Zwischenablage"_s);
}

void TestWorksheetView::abbruchEmptiesAndHides()
{
    StandInTrainer trainer;
    trainer.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&trainer.window));
    trainer.view->build();
    QSignalSpy closed(trainer.view, &WorksheetView::closed);

    trainer.click(abbruch);

    QCOMPARE(closed.count(), 1);
    QVERIFY(!trainer.view->isShown());
    QCOMPARE(trainer.list()->count(), 0);
    QVERIFY(trainer.view->rows().isEmpty());
    QVERIFY(!trainer.panel()->isVisible());
    QVERIFY(!trainer.list()->isVisible());
    QCOMPARE(trainer.panel()->x(), Twips::toPixels(8040));
    QCOMPARE(trainer.list()->x(), Twips::toPixels(8040));
    QCOMPARE(trainer.window.childAt(trainer.blatt->geometry().center()), trainer.blatt);
}

void TestWorksheetView::commandsDoNothingWhileNoSheetIsShown()
{
    StandInTrainer trainer;
    trainer.locked = false;
    trainer.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    trainer.view->build();
    trainer.view->close();

    for (const QString &caption : {aufgabenDrucken, loesungenDrucken, kopieren})
        trainer.button(caption)->click();

    QVERIFY(trainer.platform.messages.isEmpty());
    QVERIFY(trainer.platform.printJobs.isEmpty());
    QVERIFY(trainer.platform.clipboardWrites.isEmpty());
}

void TestWorksheetView::staircaseIsReadWhenTheSheetIsBuilt()
{
    StandInTrainer trainer(SheetKind::TwoRow);
    trainer.staircase = true;
    trainer.view->build();
    const QStringList staircaseRows = trainer.view->rows();
    QCOMPARE(staircaseRows.size(), 40);
    // The first partial product's last place (its zero) is a blank in every cell.
    for (int cell = 0; cell < 6; ++cell)
        QCOMPARE(staircaseRows.at(3).at(cell * 8 + 5), QLatin1Char(' '));

    trainer.staircase = false; // switching afterwards leaves the built sheet alone
    QCOMPARE(trainer.view->rows(), staircaseRows);
    trainer.view->build();
    for (int cell = 0; cell < 6; ++cell)
        QCOMPARE(trainer.view->rows().at(3).at(cell * 8 + 5), QLatin1Char('0'));
}

QTEST_MAIN(TestWorksheetView)
#include "test_worksheet_view.moc"
