// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/random_source.h"
#include "shell/twips.h"
#include "support/scripted_platform.h"
#include "worksheet/karoblatt_window.h"
#include "worksheet/worksheet_commands.h"
#include "worksheet/worksheet_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest/QTest>

using namespace Qt::StringLiterals;

namespace {
// A trainer with its sheet shown, as the teacher finds it before "Karoblatt".
struct Teacher {
    QWidget trainer;
    ScriptedPlatform platform;
    MixingRandomSource random{5};
    bool locked = true;
    QString points = u"0"_s;
    WorksheetView *view = nullptr;
    KaroblattWindow *window = nullptr;

    explicit Teacher(SheetKind kind)
    {
        platform.screen = {341, 256}; // 1024 x 768 at a scale factor of 3
        trainer.setFixedSize(Twips::size(7830, 5430));
        view = new WorksheetView(&trainer, kind, platform, random,
                                 {[this] { return locked; }, [this] { return points; }, [] { return true; }});
        trainer.show();
        view->build();
        openKaroblatt();
    }
    void openKaroblatt()
    {
        QTest::mouseClick(trainer.findChild<QPushButton *>(WorksheetView::karoblattButtonName), Qt::LeftButton);
        window = view->karoblattWindow();
        QVERIFY(window && window->isVisible());
    }
    template <typename Control>
    Control *control(const QString &accessibleName)
    {
        for (Control *c : window->findChildren<Control *>())
            if (c->accessibleName() == accessibleName)
                return c;
        return nullptr;
    }
    void click(const QString &caption)
    {
        for (QPushButton *button : window->findChildren<QPushButton *>())
            if (button->text() == caption)
                return QTest::mouseClick(button, Qt::LeftButton);
        QFAIL(qPrintable(caption));
    }
    void type(const QString &ownTasks)
    {
        QLineEdit *own = control<QLineEdit>(u"Eigene Aufgaben"_s);
        own->selectAll();
        QTest::keyClicks(own, ownTasks);
    }
    QStringList texts(int job, PageInk ink) const
    {
        QStringList list;
        for (const DrawnPage &page : platform.drawnJobs.at(job).document.pages)
            for (const PageText &text : page.texts)
                if (text.ink == ink)
                    list.append(text.text);
        return list;
    }
};
} // namespace

class TestKaroblattWindow : public QObject {
    Q_OBJECT
private slots:
    void karoblattOpensOneWindowOfNamedChoicesThatFitsTheScreen_data();
    void karoblattOpensOneWindowOfNamedChoicesThatFitsTheScreen();
    void aRefusedOwnTaskIsNamedAndNothingIsPrinted();
    void bothSheetsOfTheSameTasksGoThroughThePrinterLock();
    void withoutPrinterTheSheetIsOfferedAsPdf();
};

void TestKaroblattWindow::karoblattOpensOneWindowOfNamedChoicesThatFitsTheScreen_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("choices");
    const QStringList shared{u"Anzahl der Aufgaben"_s, u"Stellen des ersten Faktors"_s, u"Überträge"_s,
                             u"Nullen im ersten Faktor"_s, u"Lückenaufgaben"_s, u"Eigene Aufgaben"_s};
    QTest::newRow("one-row trainer: the kinds to tick")
        << SheetKind::SingleRow << u"Karoblatt – Einreihige Multiplikation"_s
        << QStringList{u"mal E"_s, u"mal Z"_s, u"mal H"_s} + shared;
    QTest::newRow("two-row trainer: the layout of the rows")
        << SheetKind::TwoRow << u"Karoblatt – Zweireihige Multiplikation"_s
        << QStringList{u"Anordnung der Teilprodukte"_s} + shared;
    QTest::newRow("three-row trainer") << SheetKind::ThreeRow << u"Karoblatt – Dreireihige Multiplikation"_s
                                       << QStringList{u"Anordnung der Teilprodukte"_s} + shared;
}

void TestKaroblattWindow::karoblattOpensOneWindowOfNamedChoicesThatFitsTheScreen()
{
    QFETCH(SheetKind, kind);
    QFETCH(QString, title);
    QFETCH(QStringList, choices);
    Teacher teacher(kind);
    QCOMPARE(teacher.window->windowTitle(), title);
    QVERIFY(teacher.window->isWindow());
    QVERIFY(teacher.window->width() <= 341 && teacher.window->height() <= 256);
    QStringList named;
    for (QWidget *w : teacher.window->findChildren<QWidget *>())
        if (qobject_cast<QSpinBox *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QCheckBox *>(w)
            || qobject_cast<QLineEdit *>(w))
            named.append(w->accessibleName());
    named.removeAll(QString()); // a combo box's own inner parts
    QCOMPARE(QSet<QString>(named.begin(), named.end()), QSet<QString>(choices.begin(), choices.end()));
    // The staircase of the trainer is the sheet's first layout.
    QCOMPARE(teacher.window->sheet().options().staircase, true);

    teacher.click(u"Schließen"_s);
    QVERIFY(!teacher.window->isVisible());
    KaroblattWindow *first = teacher.window;
    teacher.openKaroblatt();
    QCOMPARE(teacher.window, first);
}

void TestKaroblattWindow::aRefusedOwnTaskIsNamedAndNothingIsPrinted()
{
    Teacher teacher(SheetKind::SingleRow);
    teacher.type(u"305 · 7; 4711 · 6 · 2"_s);
    teacher.click(u"Aufgaben drucken"_s);
    teacher.click(u"Lösungen drucken"_s);
    QCOMPARE(teacher.platform.messages.size(), 2);
    QCOMPARE(teacher.platform.messages.first().title, KaroblattWindow::messageTitle);
    QVERIFY(teacher.platform.messages.first().text.startsWith(u"Die eigene Aufgabe „4711 · 6 · 2“ passt nicht"_s));
    QVERIFY(teacher.platform.inputRequests.isEmpty());
    QVERIFY(teacher.platform.drawnJobs.isEmpty());

    teacher.type(u"4711 mal 6"_s);
    teacher.platform.inputs = {u"0"_s};
    teacher.platform.answers = {MessageAnswer::Yes};
    teacher.click(u"Aufgaben drucken"_s);
    QCOMPARE(teacher.platform.drawnJobs.size(), 1);
    QCOMPARE(teacher.window->sheet().tasks().first().calculation.multiplicand(), 4711);
}

void TestKaroblattWindow::bothSheetsOfTheSameTasksGoThroughThePrinterLock()
{
    Teacher teacher(SheetKind::TwoRow);
    QComboBox *carries = teacher.control<QComboBox>(u"Überträge"_s);
    carries->setFocus();
    QTest::keyClick(carries, Qt::Key_Up); // from "gemischt" to "ohne Überträge"
    QSpinBox *count = teacher.control<QSpinBox>(u"Anzahl der Aufgaben"_s);
    count->selectAll();
    QTest::keyClicks(count, u"8"_s);
    const Karoblatt &sheet = teacher.window->sheet();
    QCOMPARE(sheet.options().carries, CarryChoice::Without);
    QCOMPARE(sheet.tasks().size(), 8);
    for (const SheetTask &task : sheet.tasks())
        QVERIFY(!task.calculation.hasCarries());

    teacher.points = u"42"_s;
    teacher.platform.inputs = {u"41"_s};
    teacher.click(u"Aufgaben drucken"_s);
    QCOMPARE(teacher.platform.inputRequests.size(), 1);
    QCOMPARE(teacher.platform.inputRequests.first().title, WorksheetCommands::passwordTitle);
    QVERIFY(teacher.platform.messages.isEmpty());
    QVERIFY(teacher.platform.drawnJobs.isEmpty());

    teacher.platform.inputs = {u"42"_s, u"42"_s};
    teacher.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    teacher.click(u"Aufgaben drucken"_s);
    teacher.click(u"Lösungen drucken"_s);
    QCOMPARE(teacher.platform.messageTexts(),
             QStringList({WorksheetCommands::question(SheetSide::Tasks), WorksheetCommands::closingMessage(SheetSide::Tasks),
                          WorksheetCommands::question(SheetSide::Solutions),
                          WorksheetCommands::closingMessage(SheetSide::Solutions)}));
    QCOMPARE(teacher.platform.drawnJobs.size(), 2);
    QVERIFY(teacher.platform.drawnJobs.first().pdfFile.isEmpty());
    QCOMPARE(teacher.texts(0, PageInk::Print), teacher.texts(1, PageInk::Print));
    QVERIFY(teacher.texts(0, PageInk::Solution).isEmpty());
    QVERIFY(teacher.texts(1, PageInk::Solution).size() > 8 * 15);

    // The choices hold while the window is away.
    teacher.click(u"Schließen"_s);
    teacher.openKaroblatt();
    QCOMPARE(count->value(), 8);
    QCOMPARE(carries->currentText(), u"ohne Überträge"_s);
}

void TestKaroblattWindow::withoutPrinterTheSheetIsOfferedAsPdf()
{
    Teacher teacher(SheetKind::ThreeRow);
    teacher.locked = false;
    teacher.platform.printerInstalled = false;
    teacher.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    teacher.platform.pdfNames = {u"/tmp/Lösungsblatt.pdf"_s};
    teacher.click(u"Lösungen drucken"_s);
    QVERIFY(teacher.platform.inputRequests.isEmpty());
    QCOMPARE(teacher.platform.messageTexts().at(1), WorksheetCommands::noPrinterQuestion(SheetSide::Solutions));
    QCOMPARE(teacher.platform.drawnJobs.size(), 1);
    QCOMPARE(teacher.platform.drawnJobs.first().pdfFile, u"/tmp/Lösungsblatt.pdf"_s);
    QCOMPARE(teacher.platform.messageTexts().last(),
             WorksheetCommands::pdfSavedMessage(SheetSide::Solutions, u"/tmp/Lösungsblatt.pdf"_s));
}

QTEST_MAIN(TestKaroblattWindow)
#include "test_karoblatt_window.moc"
