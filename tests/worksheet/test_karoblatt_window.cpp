// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/random_source.h"
#include "shell/twips.h"
#include "shell/window_scale.h"
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
// A trainer with its sheet shown and "Karoblatt" clicked, on a screen of 1024 x 768 at a scale factor of 3;
// the trainer itself is shown smaller too.
struct Teacher {
    QWidget trainer;
    WindowScale trainerScale{&trainer};
    ScriptedPlatform platform;
    MixingRandomSource random{5};
    bool locked = true;
    int points = 0;
    SheetKind kind;
    WorksheetView view{&trainer, kind, platform, random,
                       {[this] { return locked; }, [this] { return points; }, [] { return true; }}};
    KaroblattWindow *window = nullptr;

    explicit Teacher(SheetKind sheet)
        : kind(sheet)
    {
        platform.screen = {341, 256};
        trainer.setFixedSize(Twips::size(7830, 5430));
        trainerScale.setFactor(0.65);
        trainer.show();
        view.build();
        open();
    }
    void open()
    {
        QTest::mouseClick(trainer.findChild<QPushButton *>(WorksheetView::karoblattButtonName), Qt::LeftButton);
        window = view.karoblattWindow();
        QVERIFY(window && window->isVisible());
    }
    template <typename Control>
    Control *named(const QString &name)
    {
        const auto all = window->findChildren<Control *>();
        auto found = std::find_if(all.begin(), all.end(), [&](Control *c) { return c->accessibleName() == name; });
        return found == all.end() ? nullptr : *found;
    }
    void click(const QString &caption)
    {
        for (QPushButton *button : window->findChildren<QPushButton *>())
            if (button->text() == caption)
                return QTest::mouseClick(button, Qt::LeftButton);
        QFAIL(qPrintable(caption));
    }
    void type(QWidget *field, const QString &text)
    {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }
    int printed(int job, PageInk ink) const
    {
        int count = 0;
        for (const PageText &text : platform.drawnJobs.at(job).document.pages.first().texts)
            count += text.ink == ink;
        return count;
    }
};
} // namespace

class TestKaroblattWindow : public QObject {
    Q_OBJECT
private slots:
    void karoblattOpensOneWindowOfNamedChoicesThatFitsTheScreen_data();
    void karoblattOpensOneWindowOfNamedChoicesThatFitsTheScreen();
    void aRefusedOwnTaskIsNamedAndNothingIsPrintedNorSaved();
    void bothSheetsOfTheSameTasksGoThroughThePrinterLock();
};

void TestKaroblattWindow::karoblattOpensOneWindowOfNamedChoicesThatFitsTheScreen_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("choices");
    const QStringList shared{u"Anzahl der Aufgaben"_s, u"Stellen des ersten Faktors"_s, u"Überträge"_s,
                             u"Nullen im ersten Faktor"_s, u"Lückenaufgaben"_s, u"Eigene Aufgaben"_s};
    QTest::newRow("one-row trainer: the kinds to tick") << SheetKind::SingleRow << u"Einreihige Multiplikation"_s
                                                        << QStringList{u"mal E"_s, u"mal Z"_s, u"mal H"_s} + shared;
    QTest::newRow("two-row trainer: the layout of the rows") << SheetKind::TwoRow << u"Zweireihige Multiplikation"_s
                                                             << QStringList{u"Anordnung der Teilprodukte"_s} + shared;
    QTest::newRow("three-row trainer") << SheetKind::ThreeRow << u"Dreireihige Multiplikation"_s
                                       << QStringList{u"Anordnung der Teilprodukte"_s} + shared;
}

void TestKaroblattWindow::karoblattOpensOneWindowOfNamedChoicesThatFitsTheScreen()
{
    QFETCH(SheetKind, kind);
    QFETCH(QString, title);
    QFETCH(QStringList, choices);
    Teacher teacher(kind);
    QCOMPARE(teacher.window->windowTitle(), u"Karoblatt – "_s + title);
    QVERIFY(teacher.window->isWindow() && teacher.window->width() <= 341 && teacher.window->height() <= 256);
    // Its controls shown at its own scale, the trainer's left out.
    const QRect count = teacher.named<QSpinBox>(u"Anzahl der Aufgaben"_s)->geometry();
    QCOMPARE(count.topLeft(), Twips::point(3360, 240) * teacher.window->placement().scale().factor());
    QStringList named;
    for (QWidget *w : teacher.window->findChildren<QWidget *>())
        if (qobject_cast<QSpinBox *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QCheckBox *>(w)
            || (qobject_cast<QLineEdit *>(w) && !qobject_cast<QSpinBox *>(w->parent())))
            named.append(w->accessibleName());
    named.sort();
    choices.sort();
    QCOMPARE(named, choices);
    QVERIFY(teacher.window->sheet().options().staircase); // the trainer's layout to begin with

    KaroblattWindow *first = teacher.window;
    teacher.click(u"Schließen"_s);
    QVERIFY(!first->isVisible());
    teacher.open();
    QCOMPARE(teacher.window, first);
}

void TestKaroblattWindow::aRefusedOwnTaskIsNamedAndNothingIsPrintedNorSaved()
{
    Teacher teacher(SheetKind::SingleRow);
    QLineEdit *own = teacher.named<QLineEdit>(u"Eigene Aufgaben"_s);
    teacher.type(own, u"305 · 7; 4711 · 6 · 2"_s);
    teacher.click(u"Aufgaben drucken"_s);
    teacher.click(u"Lösungen drucken"_s);
    QCOMPARE(teacher.platform.messages.size(), 2);
    QCOMPARE(teacher.platform.messages.first().title, KaroblattWindow::messageTitle);
    QVERIFY(teacher.platform.messages.first().text.startsWith(u"Die eigene Aufgabe „4711 · 6 · 2“ passt nicht"_s));
    QVERIFY(teacher.platform.inputRequests.isEmpty() && teacher.platform.drawnJobs.isEmpty());

    teacher.type(own, u"4711 mal 6"_s); // without a printer it is saved as PDF
    teacher.platform.clearRecords();
    teacher.platform.printerInstalled = false;
    teacher.platform.inputs = {u"0"_s};
    teacher.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    const QString file = u"/tmp/Rechenblatt.pdf"_s;
    teacher.platform.pdfNames = {file};
    teacher.click(u"Aufgaben drucken"_s);
    QCOMPARE(teacher.platform.messageTexts(),
             QStringList({WorksheetCommands::question(SheetSide::Tasks), WorksheetCommands::noPrinterQuestion(SheetSide::Tasks),
                          WorksheetCommands::pdfSavedMessage(SheetSide::Tasks, file)}));
    QCOMPARE(teacher.platform.drawnJobs.size(), 1);
    QCOMPARE(teacher.platform.drawnJobs.first().pdfFile, file);
    QCOMPARE(teacher.window->sheet().tasks().first().calculation.multiplicand(), 4711);
}

void TestKaroblattWindow::bothSheetsOfTheSameTasksGoThroughThePrinterLock()
{
    Teacher teacher(SheetKind::TwoRow);
    QComboBox *carries = teacher.named<QComboBox>(u"Überträge"_s);
    QTest::keyClick(carries, Qt::Key_Up); // from "gemischt" to "ohne Überträge"
    QSpinBox *count = teacher.named<QSpinBox>(u"Anzahl der Aufgaben"_s);
    teacher.type(count, u"8"_s);
    const Karoblatt &sheet = teacher.window->sheet();
    QCOMPARE(sheet.tasks().size(), 8);
    for (const SheetTask &task : sheet.tasks())
        QVERIFY(!task.calculation.hasCarries());

    teacher.points = 42;
    teacher.platform.inputs = {u"41"_s};
    teacher.click(u"Aufgaben drucken"_s);
    QCOMPARE(teacher.platform.inputRequests.size(), 1);
    QCOMPARE(teacher.platform.inputRequests.first().title, WorksheetCommands::passwordTitle);
    QVERIFY(teacher.platform.messages.isEmpty() && teacher.platform.drawnJobs.isEmpty());

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
    QCOMPARE(teacher.printed(0, PageInk::Print), teacher.printed(1, PageInk::Print));
    QCOMPARE(teacher.printed(0, PageInk::Solution), 0);
    QVERIFY(teacher.printed(1, PageInk::Solution) > 8 * 15);

    teacher.click(u"Schließen"_s); // the choices hold while the window is away
    teacher.open();
    QCOMPARE(count->value(), 8);
    QCOMPARE(carries->currentText(), u"ohne Überträge"_s);
}

QTEST_MAIN(TestKaroblattWindow)
#include "test_karoblatt_window.moc"
