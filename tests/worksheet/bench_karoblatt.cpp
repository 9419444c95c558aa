// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt_printer.h"
#include "shell/random_source.h"
#include "support/scripted_platform.h"
#include "worksheet/karoblatt.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QtTest/QTest>

// What a teacher waits for at "Lösungen drucken": the tasks drawn, the pages laid out and drawn.
class BenchKaroblatt : public QObject {
    Q_OBJECT
private slots:
    void twoPagesBuiltAndDrawnAsPdf();
};

void BenchKaroblatt::twoPagesBuiltAndDrawnAsPdf()
{
    ScriptedPlatform clock;
    MixingRandomSource random;
    KaroblattOptions choices;
    choices.taskCount = KaroblattOptions::mostTasks; // 18 three-row tasks to a page
    choices.gaps = GapChoice::EverySecond;
    QBENCHMARK {
        Karoblatt sheet(SheetKind::ThreeRow, random, clock);
        sheet.setOptions(choices);
        const DrawnDocument solutions = sheet.document(SheetSide::Solutions);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        QVERIFY(QtPrinter::paintPages(writer, solutions));
        QCOMPARE(solutions.pages.size(), 2);
    }
}

QTEST_MAIN(BenchKaroblatt)
#include "bench_karoblatt.moc"
