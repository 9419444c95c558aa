// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/random_source.h"
#include "support/scripted_platform.h"
#include "worksheet/karoblatt.h"
#include "worksheet/karoblatt_draw.h"
#include "worksheet/own_tasks.h"

#include <QtTest/QTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {
// What every drawn task must show, given its place on the sheet (0 the first).
using TaskRule = std::function<bool(const WrittenMultiplication &, int)>;
using Change = std::function<void(KaroblattOptions &)>;

bool innerZero(const WrittenMultiplication &task)
{
    const QList<int> &digits = task.multiplicandDigits();
    return digits.mid(1, digits.size() - 2).contains(0);
}

QString written(const WrittenMultiplication &task)
{
    return u"%1·%2"_s.arg(task.multiplicand()).arg(task.multiplier());
}

KaroblattOptions options(const Change &change)
{
    KaroblattOptions o;
    o.taskCount = 30;
    change(o);
    return o;
}

QStringList tasksOf(const Karoblatt &sheet)
{
    QStringList list;
    for (const SheetTask &task : sheet.tasks())
        list.append(written(task.calculation));
    return list;
}
} // namespace

Q_DECLARE_METATYPE(TaskRule)

class TestKaroblattDraw : public QObject {
    Q_OBJECT
private slots:
    void drawsFollowTheChoicesWithinTheTrainersRules_data();
    void drawsFollowTheChoicesWithinTheTrainersRules();
    void ownTasksAreRead_data();
    void ownTasksAreRead();
    void ownTasksOfAnotherKindAreRefusedByName_data();
    void ownTasksOfAnotherKindAreRefusedByName();
    void theSheetKeepsItsTasksUntilTheDrawChanges();
};

void TestKaroblattDraw::drawsFollowTheChoicesWithinTheTrainersRules_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<KaroblattOptions>("choices");
    QTest::addColumn<TaskRule>("rule");
    const auto carries = [](bool yes) { return TaskRule([yes](auto &t, int) { return t.hasCarries() == yes; }); };
    const TaskRule turns = [](auto &t, int i) { return t.hasCarries() == (i % 2 == 0); };
    const auto row = [](const char *name, SheetKind kind, const Change &change, const TaskRule &rule) {
        QTest::newRow(name) << kind << options(change) << rule;
    };
    using enum SheetKind;
    row("one-row without carries: none carries", SingleRow, [](auto &o) { o.carries = CarryChoice::Without; },
        carries(false));
    row("two-row without carries: neither the rows nor the sums", TwoRow,
        [](auto &o) { o.carries = CarryChoice::Without; }, carries(false));
    row("three-row without carries, two-digit first factors", ThreeRow,
        [](auto &o) { o.carries = CarryChoice::Without, o.firstFactorDigits = 2; }, carries(false));
    row("one-row with carries: every task carries", SingleRow, [](auto &o) { o.carries = CarryChoice::With; },
        carries(true));
    row("three-row with carries", ThreeRow, [](auto &o) { o.carries = CarryChoice::With; }, carries(true));
    row("one-row mixed: the first, third, ... task carries", SingleRow, [](auto &) {}, turns);
    row("two-row mixed, three-digit first factors", TwoRow, [](auto &o) { o.firstFactorDigits = 3; }, turns);
    row("one-row with zeros: one inside every first factor", SingleRow, [](auto &o) { o.zeros = ZeroChoice::With; },
        [](auto &t, int) { return innerZero(t); });
    row("two-row without zeros and carries", TwoRow,
        [](auto &o) { o.zeros = ZeroChoice::Without, o.carries = CarryChoice::Without; },
        [](auto &t, int) { return !innerZero(t) && !t.hasCarries(); });
    row("three-row mixed zeros: in the second, fourth, ... first factor", ThreeRow, [](auto &) {},
        [](auto &t, int i) { return innerZero(t) == (i % 2 == 1); });
    row("one-row, mal Z alone: one zero brought down", SingleRow, [](auto &o) { o.kinds = {false, true, false}; },
        [](auto &t, int) { return t.broughtDownZeros() == 1; });
    row("one-row, mal E and mal H in turn", SingleRow, [](auto &o) { o.kinds = {true, false, true}; },
        [](auto &t, int i) { return t.broughtDownZeros() == 2 * (i % 2); });
}

void TestKaroblattDraw::drawsFollowTheChoicesWithinTheTrainersRules()
{
    QFETCH(SheetKind, kind);
    QFETCH(KaroblattOptions, choices);
    QFETCH(TaskRule, rule);
    const KaroblattRules &rules = KaroblattRules::of(kind);
    MixingRandomSource random(3);
    const QList<WrittenMultiplication> tasks = KaroblattDraw::tasks(rules, choices, random);
    QCOMPARE(tasks.size(), choices.taskCount);
    for (int i = 0; i < tasks.size(); ++i) {
        const WrittenMultiplication &task = tasks.at(i);
        const QList<int> &factor = task.multiplicandDigits();
        QVERIFY2(rule(task, i), qPrintable(u"task %1: %2"_s.arg(i + 1).arg(written(task))));
        QCOMPARE(factor.size(), choices.firstFactorDigits);
        QVERIFY(factor.first() >= rules.leadingFrom && factor.first() <= rules.leadingTo);
        QVERIFY(factor.last() >= rules.onesFrom && factor.last() <= rules.onesTo);
        QCOMPARE(task.productRows(), rules.multiplierDigits);
        for (int row = 0; row < task.productRows(); ++row)
            QVERIFY(task.rowDigit(row) >= rules.multiplierDigitFrom && task.rowDigit(row) <= rules.multiplierDigitTo);
    }
}

void TestKaroblattDraw::ownTasksAreRead_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("tasks");
    QTest::newRow("one-row, two tasks with the dot")
        << SheetKind::SingleRow << u"4711 · 6; 305 · 7"_s << QStringList{u"4711·6"_s, u"305·7"_s};
    QTest::newRow("one-row, star, x, X, × and mal, tens and hundreds")
        << SheetKind::SingleRow << u"12*3; 12 x 30, 12X300\n12×4 ; 12 mal 5; 12Mal6"_s
        << QStringList{u"12·3"_s, u"12·30"_s, u"12·300"_s, u"12·4"_s, u"12·5"_s, u"12·6"_s};
    QTest::newRow("two-row, a one in the multiplier") << SheetKind::TwoRow << u" 4711 · 21 ; "_s
                                                      << QStringList{u"4711·21"_s};
    QTest::newRow("three-row") << SheetKind::ThreeRow << u"99 x 999"_s << QStringList{u"99·999"_s};
    QTest::newRow("nothing typed") << SheetKind::TwoRow << u" ; "_s << QStringList{};
}

void TestKaroblattDraw::ownTasksAreRead()
{
    QFETCH(SheetKind, kind);
    QFETCH(QString, text);
    QFETCH(QStringList, tasks);
    const OwnTaskReading reading = OwnTasks::read(text, KaroblattRules::of(kind));
    QVERIFY2(reading.accepted(), qPrintable(reading.refusal));
    QStringList read;
    for (const WrittenMultiplication &task : reading.tasks)
        read.append(written(task));
    QCOMPARE(read, tasks);
}

void TestKaroblattDraw::ownTasksOfAnotherKindAreRefusedByName_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("reason");
    const auto row = [](const char *name, SheetKind kind, const QString &text, const QString &named,
                        const QString &reason) { QTest::newRow(name) << kind << text << named << reason; };
    using enum SheetKind;
    row("letters", SingleRow, u"12 · 3; 47a1 · 6"_s, u"47a1 · 6"_s, u"nur aus Ziffern"_s);
    row("two signs", SingleRow, u"4711 · 6 · 2"_s, u"4711 · 6 · 2"_s, u"mehr als ein Malzeichen"_s);
    row("no sign", TwoRow, u"4711 23"_s, u"4711 23"_s, u"Malzeichen fehlt"_s);
    row("a missing factor", SingleRow, u"4711 *"_s, u"4711 *"_s, u"fehlt eine Zahl"_s);
    row("a blank inside a number", SingleRow, u"47 11 · 6"_s, u"47 11 · 6"_s, u"kein Leerzeichen"_s);
    row("five digits", SingleRow, u"47111 · 6"_s, u"47111 · 6"_s, u"zwei-, drei- oder vierstellig"_s);
    row("one digit, and a leading zero", ThreeRow, u"4 · 234; 0471 · 234"_s, u"4 · 234"_s, u"nicht mit 0"_s);
    row("one-row times 67", SingleRow, u"4711 · 67"_s, u"4711 · 67"_s, u"Einer-, Zehner- oder Hunderterzahl"_s);
    row("two-row times 20", TwoRow, u"4711 · 20"_s, u"4711 · 20"_s, u"keine 0"_s);
    row("three-row times 23", ThreeRow, u"4711 · 23"_s, u"4711 · 23"_s, u"dreistellig"_s);
}

void TestKaroblattDraw::ownTasksOfAnotherKindAreRefusedByName()
{
    QFETCH(SheetKind, kind);
    QFETCH(QString, text);
    QFETCH(QString, named);
    QFETCH(QString, reason);
    const OwnTaskReading reading = OwnTasks::read(text, KaroblattRules::of(kind));
    QVERIFY(reading.tasks.isEmpty());
    QVERIFY2(reading.refusal.startsWith(u"Die eigene Aufgabe „%1“ passt nicht"_s.arg(named)), qPrintable(reading.refusal));
    QVERIFY2(reading.refusal.contains(reason), qPrintable(reading.refusal));
    QVERIFY(reading.refusal.endsWith(QString(2, QChar(13))));
}

void TestKaroblattDraw::theSheetKeepsItsTasksUntilTheDrawChanges()
{
    ScriptedPlatform clock;
    MixingRandomSource random(7);
    Karoblatt sheet(SheetKind::TwoRow, random, clock);
    const QStringList drawn = tasksOf(sheet);
    QCOMPARE(drawn.size(), KaroblattOptions().taskCount);
    KaroblattOptions o = sheet.options();
    o.ownTasks = u"4711 · 23; 305 · 47"_s; // the layout, the gaps and own tasks leave the drawn tasks
    o.staircase = true;
    o.gaps = GapChoice::All;
    sheet.setOptions(o);
    QCOMPARE(tasksOf(sheet), QStringList({u"4711·23"_s, u"305·47"_s}) + drawn.mid(0, drawn.size() - 2));
    QVERIFY(sheet.refusal().isEmpty());
    for (const SheetTask &task : sheet.tasks()) { // two in the partial products, one in the sum, own tasks too
        QCOMPARE(task.gaps.size(), 3);
        QCOMPARE(task.gaps.last().line, WrittenPlace::Line::Product);
        for (const WrittenPlace &gap : task.gaps)
            QVERIFY(writtenDigit(task.calculation, gap) >= 0 && task.gaps.count(gap) == 1);
    }

    o.taskCount = 1; // fewer than the own tasks: refused, and none of them stays
    sheet.setOptions(o);
    QVERIFY(sheet.refusal().startsWith(u"Es sind 2 eigene Aufgaben, das Blatt hat aber nur 1 Aufgaben."_s));
    QCOMPARE(tasksOf(sheet).size(), 1);
    QVERIFY(tasksOf(sheet) != QStringList{u"4711·23"_s});

    o.taskCount = 99;
    o.firstFactorDigits = 9;
    o.kinds = {false, false, false};
    sheet.setOptions(o);
    QCOMPARE(sheet.options().taskCount, KaroblattOptions::mostTasks);
    QCOMPARE(sheet.options().firstFactorDigits, KaroblattOptions::mostFirstFactorDigits);
    QCOMPARE(sheet.options().kinds, (std::array<bool, 3>{true, true, true})); // one kind at least
    QCOMPARE(sheet.summary(), u"30 Aufgaben auf 2 Seiten"_s);
    const QStringList longer = tasksOf(sheet);
    sheet.drawAnew();
    QCOMPARE(tasksOf(sheet).mid(0, 2), longer.mid(0, 2)); // the own tasks stay first
    QVERIFY(tasksOf(sheet) != longer);
}

QTEST_APPLESS_MAIN(TestKaroblattDraw)
#include "test_karoblatt_draw.moc"
