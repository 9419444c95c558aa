// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_multi/multi_row_trainer_model.h"
#include "trainer_single/single_row_trainer_model.h"

#include "support/multi_row_draws.h"
#include "support/scripted_platform.h"
#include "support/scripted_random.h"
#include "support/single_row_draws.h"

#include <QSet>
#include <QtTest/QTest>
#include <memory>

// Where the keys write in each trainer and what a screen reader says for each
// cell: the writing order of a pupil, the field after a digit, the arrow keys,
// and the names, each with its row, its true place and what it holds.
class TestWritingAndNames : public QObject {
    Q_OBJECT
private slots:
    void writingOrderIsThePupils_data();
    void writingOrderIsThePupils();
    void focusGoesOnToTheNextEmptyField();
    void arrowsGoToTheNearestField_data();
    void arrowsGoToTheNearestField();
    void namesSayRowPlaceAndContent_data();
    void namesSayRowPlaceAndContent();
    void everyCellHasItsOwnName_data();
    void everyCellHasItsOwnName();
};

namespace {
// The trainers and the tasks they are asked: 1234 · 3 (product 3702) in the
// one-row trainer, 5001 · 22 and 5001 · 222 in the others; a hundreds task 5678 · 9.
enum class Task { Ones, Tens, Hundreds, OneRowGaps, TwoRows, TwoRowStairs, TwoRowGaps, ThreeRows, ThreeRowGaps };

struct Trainer {
    ScriptedPlatform platform;
    ScriptedRandom random;
    std::unique_ptr<TrainerModel> model;

    explicit Trainer(Task task)
    {
        const bool three = task == Task::ThreeRows || task == Task::ThreeRowGaps;
        if (task == Task::Ones || task == Task::Tens || task == Task::Hundreds || task == Task::OneRowGaps) {
            auto single = std::make_unique<SingleRowTrainerModel>(platform, random);
            if (task == Task::Hundreds) {
                random.append(singleRowDraws(5, 6, 7, 8, 9));
                single->chooseKind(MultiplierKind::Hundreds);
            } else {
                random.append(singleRowDraws(1, 2, 3, 4, 3));
                if (task == Task::Tens)
                    single->chooseKind(MultiplierKind::Tens);
                else if (task == Task::Ones)
                    single->chooseKind(MultiplierKind::Ones);
                else {
                    random.append({gapPatternDraw(2)});
                    single->chooseGaps();
                }
            }
            model = std::move(single);
            return;
        }
        auto multi = std::make_unique<MultiRowTrainerModel>(three ? MultiRowDesign::threeRows()
                                                                  : MultiRowDesign::twoRows(),
                                                            platform, random);
        random.append(multiRowDraws(5001, QList<int>(three ? 3 : 2, 2)));
        if (task == Task::TwoRowGaps || task == Task::ThreeRowGaps)
            multi->chooseGaps();
        else
            multi->chooseNormal();
        if (task == Task::TwoRowStairs)
            multi->toggleRowLayout();
        model = std::move(multi);
    }
    int cell(const QString &name) const { return model->design().indexOf(name); }
    QStringList names(const QList<int> &cells) const
    {
        QStringList list;
        for (int c : cells)
            list.append(c < 0 ? QStringLiteral("-") : model->design().cell(c).name);
        return list;
    }
    void write(const QString &name) { model->dropDigit(cell(name), model->expectedDigit(cell(name))); }
};

QStringList split(const char *names)
{
    return QString::fromLatin1(names).split(QLatin1Char(' '));
}
} // namespace

void TestWritingAndNames::writingOrderIsThePupils_data()
{
    QTest::addColumn<Task>("task");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("one row: each product digit from the right, then the carry it leaves")
        << Task::Ones << split("Bezeichnung17 Bezeichnung9 Bezeichnung13 Bezeichnung8 Bezeichnung12 Bezeichnung7 Bezeichnung11");
    QTest::newRow("one row, hundreds: the zeros brought down first, a fifth product digit last")
        << Task::Hundreds << split("Bezeichnung19 Bezeichnung18 Bezeichnung17 Bezeichnung9 Bezeichnung13 Bezeichnung8 "
                                   "Bezeichnung12 Bezeichnung7 Bezeichnung11 Bezeichnung10");
    QTest::newRow("one-row gap task: only its gaps, the shown ones") << Task::OneRowGaps << split("luecke2 luecke14");
    QTest::newRow("two rows: each partial product from the right, then the sum")
        << Task::TwoRows << split("Bezeichnung9 Bezeichnung21 Bezeichnung20 Bezeichnung19 Bezeichnung18 Bezeichnung17 "
                                  "Bezeichnung26 Bezeichnung14 Bezeichnung13 Bezeichnung12 Bezeichnung11 "
                                  "Bezeichnung34 Bezeichnung33 Bezeichnung32 Bezeichnung31 Bezeichnung30 Bezeichnung28");
    QTest::newRow("two rows as a staircase: no zero to write")
        << Task::TwoRowStairs << split("Bezeichnung21 Bezeichnung20 Bezeichnung19 Bezeichnung18 Bezeichnung17 "
                                       "Bezeichnung26 Bezeichnung14 Bezeichnung13 Bezeichnung12 Bezeichnung11 "
                                       "Bezeichnung34 Bezeichnung33 Bezeichnung32 Bezeichnung31 Bezeichnung30 Bezeichnung28");
    QTest::newRow("two-row gaps row by row") << Task::TwoRowGaps
                                             << split("luecke9 luecke11 luecke14 luecke16 luecke18 luecke20 luecke22");
    QTest::newRow("three-row gaps row by row")
        << Task::ThreeRowGaps << split("luecke9 luecke11 luecke14 luecke16 luecke28 luecke29 luecke18 luecke20 luecke22");
}

void TestWritingAndNames::writingOrderIsThePupils()
{
    QFETCH(Task, task);
    QFETCH(QStringList, order);
    Trainer t(task);
    QCOMPARE(t.names(t.model->writingCells()), order);
    QCOMPARE(t.names({t.model->firstToWrite()}).first(), order.first());
}

void TestWritingAndNames::focusGoesOnToTheNextEmptyField()
{
    Trainer t(Task::Ones); // 1234 · 3: writing order 17 9 13 8 12 7 11
    t.write(QStringLiteral("Bezeichnung13")); // written ahead of its turn
    QCOMPARE(t.names({t.model->nextToWrite(t.cell(QStringLiteral("Bezeichnung9")))}),
             QStringList{QStringLiteral("Bezeichnung8")});
    QCOMPARE(t.names({t.model->firstToWrite()}), QStringList{QStringLiteral("Bezeichnung17")});
    for (const char *name : {"Bezeichnung17", "Bezeichnung9", "Bezeichnung8", "Bezeichnung12", "Bezeichnung7"})
        t.write(QString::fromLatin1(name));
    // From the end round to the start: the one field left.
    QCOMPARE(t.names({t.model->nextToWrite(t.cell(QStringLiteral("Bezeichnung7")))}),
             QStringList{QStringLiteral("Bezeichnung11")});
    t.write(QStringLiteral("Bezeichnung11")); // solved: the next task starts at its first field
    QCOMPARE(t.platform.messages.last().title, QStringLiteral("Malaufgabe"));
    QCOMPARE(t.names({t.model->firstToWrite()}), QStringList{QStringLiteral("Bezeichnung17")});
}

void TestWritingAndNames::arrowsGoToTheNearestField_data()
{
    QTest::addColumn<Task>("task");
    QTest::addColumn<QString>("from");
    QTest::addColumn<Move>("move");
    QTest::addColumn<QString>("to");
    QTest::newRow("left along the result") << Task::Ones << "Bezeichnung17" << Move::Left << "Bezeichnung13";
    QTest::newRow("right at the row's end stays") << Task::Ones << "Bezeichnung17" << Move::Right << "Bezeichnung17";
    QTest::newRow("up to the nearest carry") << Task::Ones << "Bezeichnung13" << Move::Up << "Bezeichnung9";
    QTest::newRow("down under the carry") << Task::Ones << "Bezeichnung9" << Move::Down << "Bezeichnung11";
    QTest::newRow("up from the top row stays") << Task::Ones << "Bezeichnung8" << Move::Up << "Bezeichnung8";
    QTest::newRow("down from the sum's ones to... nothing")
        << Task::ThreeRows << "Bezeichnung36" << Move::Down << "Bezeichnung36";
    QTest::newRow("up from the sum into the third row") << Task::ThreeRows << "Bezeichnung36" << Move::Up
                                                        << "Bezeichnung37";
    QTest::newRow("gaps: down over the rows without a gap there") << Task::TwoRowGaps << "luecke11" << Move::Down
                                                                  << "luecke16";
}

void TestWritingAndNames::arrowsGoToTheNearestField()
{
    QFETCH(Task, task);
    QFETCH(QString, from);
    QFETCH(Move, move);
    QFETCH(QString, to);
    Trainer t(task);
    QCOMPARE(t.model->design().cell(t.model->neighbour(t.cell(from), move)).name, to);
}

void TestWritingAndNames::namesSayRowPlaceAndContent_data()
{
    QTest::addColumn<Task>("task");
    QTest::addColumn<QString>("cell"); // empty: the task itself
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("nameOnceWritten");
    QTest::newRow("ones task") << Task::Ones << "" << "Malaufgabe: 1234 mal 3" << "";
    QTest::newRow("product's ones") << Task::Ones << "Bezeichnung17" << "Ergebnis, Einer: leer"
                                    << "Ergebnis, Einer: 2";
    QTest::newRow("carry into the tens") << Task::Ones << "Bezeichnung9" << "Übertrag, Zehner: leer"
                                         << "Übertrag, Zehner: 1";
    QTest::newRow("first factor") << Task::Ones << "Bezeichnung1" << "1. Faktor, Tausender: 1" << "";
    QTest::newRow("tens task") << Task::Tens << "" << "Malaufgabe: 1234 mal 30" << "";
    QTest::newRow("tens: a place up") << Task::Tens << "Bezeichnung17" << "Ergebnis, Zehner: leer" << "";
    QTest::newRow("tens: the zero brought down") << Task::Tens << "Bezeichnung18" << "Ergebnis, Einer: leer"
                                                 << "Ergebnis, Einer: 0";
    QTest::newRow("tens: the carry a place up") << Task::Tens << "Bezeichnung9" << "Übertrag, Hunderter: leer" << "";
    QTest::newRow("tens: the multiplier's zero") << Task::Tens << "Bezeichnung6" << "2. Faktor, Einer: 0" << "";
    QTest::newRow("hundreds: the highest place") << Task::Hundreds << "Bezeichnung10"
                                                 << "Ergebnis, Millionen: leer" << "Ergebnis, Millionen: 5";
    QTest::newRow("gap task") << Task::OneRowGaps << "" << "Lückenaufgabe: 1, Lücke, 3, 4 mal 3" << "";
    QTest::newRow("a gap") << Task::OneRowGaps << "luecke2" << "Lücke, 1. Faktor, Hunderter: leer"
                           << "Lücke, 1. Faktor, Hunderter: 2";
    QTest::newRow("a given digit of the gap task") << Task::OneRowGaps << "luecke13"
                                                   << "Lückenaufgabe, Ergebnis, Einer: 2" << "";
    QTest::newRow("two rows") << Task::TwoRows << "" << "Malaufgabe: 5001 mal 22" << "";
    QTest::newRow("first partial product's zero") << Task::TwoRows << "Bezeichnung9"
                                                  << "1. Teilprodukt, Einer: leer" << "1. Teilprodukt, Einer: 0";
    QTest::newRow("the sum's highest place") << Task::TwoRows << "Bezeichnung28"
                                             << "Summe, Hunderttausender: leer" << "";
    QTest::newRow("a two-row gap") << Task::TwoRowGaps << "luecke9" << "Lücke, 1. Teilprodukt, Hunderter: leer" << "";
    QTest::newRow("third partial product") << Task::ThreeRows << "Bezeichnung41"
                                           << "3. Teilprodukt, Zehntausender: leer" << "";
    QTest::newRow("three rows' last multiplier digit") << Task::ThreeRows << "Bezeichnung10"
                                                       << "2. Faktor, Einer: 2" << "";
}

void TestWritingAndNames::namesSayRowPlaceAndContent()
{
    QFETCH(Task, task);
    QFETCH(QString, cell);
    QFETCH(QString, name);
    QFETCH(QString, nameOnceWritten);
    Trainer t(task);
    const bool gaps = t.model->gapMode();
    if (cell.isEmpty()) {
        QCOMPARE(t.model->taskText(gaps ? TrainerView::GapPanel : TrainerView::Normal), name);
        return;
    }
    QCOMPARE(t.model->cellName(t.cell(cell)), name);
    if (!nameOnceWritten.isEmpty()) {
        t.write(cell);
        QCOMPARE(t.model->cellName(t.cell(cell)), nameOnceWritten);
    }
}

void TestWritingAndNames::everyCellHasItsOwnName_data()
{
    QTest::addColumn<Task>("task");
    for (Task task : {Task::Ones, Task::Tens, Task::Hundreds, Task::OneRowGaps, Task::TwoRowGaps, Task::ThreeRowGaps})
        QTest::addRow("task %d", int(task)) << task;
}

// Both views, shown or not: no two cells are ever read alike, whatever they hold.
void TestWritingAndNames::everyCellHasItsOwnName()
{
    QFETCH(Task, task);
    Trainer t(task);
    const TrainerDesign &design = t.model->design();
    QSet<QString> names;
    int digits = 0;
    for (int i = 0; i < design.size(); ++i) {
        if (!design.holdsDigit(i))
            continue;
        ++digits;
        names.insert(t.model->cellName(i).section(QLatin1Char(':'), 0, 0));
    }
    QCOMPARE(names.size(), digits);
}

QTEST_MAIN(TestWritingAndNames)
#include "test_writing_and_names.moc"
