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

bool hasInnerZero(const WrittenMultiplication &task)
{
    const QList<int> &digits = task.multiplicandDigits();
    return digits.mid(1, digits.size() - 2).contains(0);
}

QString written(const WrittenMultiplication &task)
{
    return u"%1·%2"_s.arg(task.multiplicand()).arg(task.multiplier());
}

KaroblattOptions options(std::function<void(KaroblattOptions &)> change)
{
    KaroblattOptions o;
    o.taskCount = 30;
    change(o);
    return o;
}

struct Sheet {
    ScriptedPlatform clock;
    MixingRandomSource random{7};
    Karoblatt sheet;
    explicit Sheet(SheetKind kind)
        : sheet(kind, random, clock)
    {
    }
    QStringList tasks() const
    {
        QStringList list;
        for (const SheetTask &task : sheet.tasks())
            list.append(written(task.calculation));
        return list;
    }
};
} // namespace

Q_DECLARE_METATYPE(TaskRule)

class TestKaroblattDraw : public QObject {
    Q_OBJECT
private slots:
    void drawsFollowTheChoicesWithinTheTrainersRules_data();
    void drawsFollowTheChoicesWithinTheTrainersRules();
    void gapTasksLeaveThreeWrittenDigitsOut_data();
    void gapTasksLeaveThreeWrittenDigitsOut();
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

    QTest::newRow("one-row without carries: none carries")
        << SheetKind::SingleRow << options([](auto &o) { o.carries = CarryChoice::Without; }) << carries(false);
    QTest::newRow("two-row without carries: neither the rows nor the sums")
        << SheetKind::TwoRow << options([](auto &o) { o.carries = CarryChoice::Without; }) << carries(false);
    QTest::newRow("three-row without carries, two-digit first factors")
        << SheetKind::ThreeRow << options([](auto &o) { o.carries = CarryChoice::Without; o.firstFactorDigits = 2; })
        << carries(false);
    QTest::newRow("one-row with carries: every task carries")
        << SheetKind::SingleRow << options([](auto &o) { o.carries = CarryChoice::With; }) << carries(true);
    QTest::newRow("three-row with carries") << SheetKind::ThreeRow
                                            << options([](auto &o) { o.carries = CarryChoice::With; }) << carries(true);
    QTest::newRow("one-row mixed: the first, third, ... task carries") << SheetKind::SingleRow << options([](auto &) {})
                                                                       << turns;
    QTest::newRow("two-row mixed, three-digit first factors")
        << SheetKind::TwoRow << options([](auto &o) { o.firstFactorDigits = 3; }) << turns;
    QTest::newRow("one-row with zeros: one inside every first factor")
        << SheetKind::SingleRow << options([](auto &o) { o.zeros = ZeroChoice::With; })
        << TaskRule([](auto &t, int) { return hasInnerZero(t); });
    QTest::newRow("two-row without zeros: none inside, none without carries either")
        << SheetKind::TwoRow << options([](auto &o) { o.zeros = ZeroChoice::Without; o.carries = CarryChoice::Without; })
        << TaskRule([](auto &t, int) { return !hasInnerZero(t) && !t.hasCarries(); });
    QTest::newRow("three-row mixed zeros: inside the second, fourth, ... first factor")
        << SheetKind::ThreeRow << options([](auto &) {})
        << TaskRule([](auto &t, int i) { return hasInnerZero(t) == (i % 2 == 1); });
    QTest::newRow("one-row, mal Z alone: one zero brought down")
        << SheetKind::SingleRow << options([](auto &o) { o.kinds = {false, true, false}; })
        << TaskRule([](auto &t, int) { return t.broughtDownZeros() == 1; });
    QTest::newRow("one-row, mal E and mal H in turn")
        << SheetKind::SingleRow << options([](auto &o) { o.kinds = {true, false, true}; })
        << TaskRule([](auto &t, int i) { return t.broughtDownZeros() == 2 * (i % 2); });
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

void TestKaroblattDraw::gapTasksLeaveThreeWrittenDigitsOut_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<int>("firstFactorDigits");
    QTest::newRow("one-row: a digit of the multiplicand, two of the product") << SheetKind::SingleRow << 4;
    QTest::newRow("one-row with two-digit first factors") << SheetKind::SingleRow << 2;
    QTest::newRow("two-row: two in the partial products, one in the sum") << SheetKind::TwoRow << 4;
    QTest::newRow("three-row with two-digit first factors") << SheetKind::ThreeRow << 2;
}

void TestKaroblattDraw::gapTasksLeaveThreeWrittenDigitsOut()
{
    QFETCH(SheetKind, kind);
    QFETCH(int, firstFactorDigits);
    Sheet sheet(kind);
    sheet.sheet.setOptions(options([&](auto &o) { o.gaps = GapChoice::EverySecond; o.firstFactorDigits = firstFactorDigits; }));
    for (int i = 0; i < sheet.sheet.tasks().size(); ++i) {
        const SheetTask &task = sheet.sheet.tasks().at(i);
        QCOMPARE(task.gaps.size(), i % 2 == 1 ? 3 : 0);
        int inFactor = 0;
        for (const WrittenPlace &gap : task.gaps) {
            QVERIFY(writtenDigit(task.calculation, gap) >= 0);
            QCOMPARE(task.gaps.count(gap), 1);
            inFactor += gap.line == WrittenPlace::Line::Multiplicand;
        }
        QCOMPARE(inFactor, task.gaps.isEmpty() || kind != SheetKind::SingleRow ? 0 : 1);
    }
}

void TestKaroblattDraw::ownTasksAreRead_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("tasks");
    QTest::newRow("one-row, two tasks with the dot") << SheetKind::SingleRow << u"4711 · 6; 305 · 7"_s
                                                     << QStringList{u"4711·6"_s, u"305·7"_s};
    QTest::newRow("one-row, star, x, X, × and mal, tens and hundreds")
        << SheetKind::SingleRow << u"12*3; 12 x 30, 12X300\n12×4 ; 12 mal 5; 12Mal6"_s
        << QStringList{u"12·3"_s, u"12·30"_s, u"12·300"_s, u"12·4"_s, u"12·5"_s, u"12·6"_s};
    QTest::newRow("two-row, with a one in the multiplier and a blank end") << SheetKind::TwoRow << u" 4711 · 21 ; "_s
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
    QTest::newRow("letters") << SheetKind::SingleRow << u"12 · 3; 47a1 · 6"_s << u"47a1 · 6"_s << u"nur aus Ziffern"_s;
    QTest::newRow("two signs") << SheetKind::SingleRow << u"4711 · 6 · 2"_s << u"4711 · 6 · 2"_s
                               << u"mehr als ein Malzeichen"_s;
    QTest::newRow("no sign") << SheetKind::TwoRow << u"4711 23"_s << u"4711 23"_s << u"Malzeichen fehlt"_s;
    QTest::newRow("a missing factor") << SheetKind::SingleRow << u"4711 *"_s << u"4711 *"_s << u"fehlt eine Zahl"_s;
    QTest::newRow("a blank inside a number") << SheetKind::SingleRow << u"47 11 · 6"_s << u"47 11 · 6"_s
                                             << u"kein Leerzeichen"_s;
    QTest::newRow("five digits") << SheetKind::SingleRow << u"47111 · 6"_s << u"47111 · 6"_s
                                 << u"zwei-, drei- oder vierstellig"_s;
    QTest::newRow("one digit") << SheetKind::ThreeRow << u"4 · 234"_s << u"4 · 234"_s << u"vierstellig"_s;
    QTest::newRow("a leading zero") << SheetKind::SingleRow << u"0471 · 6"_s << u"0471 · 6"_s << u"nicht mit 0"_s;
    QTest::newRow("one-row times 67") << SheetKind::SingleRow << u"4711 · 67"_s << u"4711 · 67"_s
                                      << u"Einer-, Zehner- oder Hunderterzahl"_s;
    QTest::newRow("one-row times 0") << SheetKind::SingleRow << u"4711 · 0"_s << u"4711 · 0"_s << u"Hunderterzahl"_s;
    QTest::newRow("two-row times 7") << SheetKind::TwoRow << u"4711 · 7"_s << u"4711 · 7"_s << u"zweistellig"_s;
    QTest::newRow("two-row times 20") << SheetKind::TwoRow << u"4711 · 20"_s << u"4711 · 20"_s << u"keine 0"_s;
    QTest::newRow("three-row times 23") << SheetKind::ThreeRow << u"4711 · 23"_s << u"4711 · 23"_s
                                        << u"dreistellig"_s;
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
    Sheet sheet(SheetKind::TwoRow);
    const QStringList drawn = sheet.tasks();
    QCOMPARE(drawn.size(), KaroblattOptions().taskCount);

    KaroblattOptions o = sheet.sheet.options();
    o.ownTasks = u"4711 · 23; 305 · 47"_s;
    o.staircase = true;
    o.gaps = GapChoice::All;
    sheet.sheet.setOptions(o);
    QCOMPARE(sheet.tasks(), QStringList({u"4711·23"_s, u"305·47"_s}) + drawn.mid(0, drawn.size() - 2));
    QVERIFY(sheet.sheet.refusal().isEmpty());

    o.taskCount = 1; // fewer than the own tasks: refused, nothing of them stays
    sheet.sheet.setOptions(o);
    QVERIFY(sheet.sheet.refusal().startsWith(u"Es sind 2 eigene Aufgaben, das Blatt hat aber nur 1 Aufgaben."_s));
    QCOMPARE(sheet.tasks().size(), 1);
    QVERIFY(sheet.tasks() != QStringList{u"4711·23"_s});

    o.taskCount = 99;
    o.firstFactorDigits = 9;
    sheet.sheet.setOptions(o);
    QCOMPARE(sheet.sheet.options().taskCount, KaroblattOptions::mostTasks);
    QCOMPARE(sheet.sheet.options().firstFactorDigits, KaroblattOptions::mostFirstFactorDigits);
    const QStringList longer = sheet.tasks();
    sheet.sheet.drawAnew();
    QCOMPARE(sheet.tasks().mid(0, 2), longer.mid(0, 2)); // the own tasks stay first
    QVERIFY(sheet.tasks() != longer);

    Sheet single(SheetKind::SingleRow);
    KaroblattOptions kinds = single.sheet.options();
    kinds.kinds = {false, false, false}; // the last kind stays chosen
    single.sheet.setOptions(kinds);
    QCOMPARE(single.sheet.options().kinds, (std::array<bool, 3>{true, true, true}));
    QCOMPARE(single.sheet.summary(), u"12 Aufgaben auf 1 Seite"_s);
}

QTEST_APPLESS_MAIN(TestKaroblattDraw)
#include "test_karoblatt_draw.moc"
