// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/platform.h"
#include "shell/random_source.h"
#include "support/scripted_platform.h"
#include "worksheet/worksheet_builder.h"
#include "worksheet/worksheet_commands.h"

#include <QRegularExpression>
#include <QtTest/QTest>

using namespace Qt::StringLiterals;

namespace {

const QString crcr = QString(2, CR);
const QString crlf = u"\r\n"_s;
using AnswerLines = QMap<int, QString>; // worksheet row -> the line printed in its place

AnswerLines answerLines(std::initializer_list<std::pair<QList<int>, QString>> groups)
{
    AnswerLines lines;
    for (const auto &[rows, line] : groups) {
        for (int row : rows)
            lines.insert(row, line);
    }
    return lines;
}

// A trainer with a fresh sheet, its printer lock and its points display, as the commands see them.
struct Trainer {
    ScriptedPlatform platform;
    bool locked = true;
    int points = 0;
    WorksheetCommands commands;
    QStringList rows;

    explicit Trainer(SheetKind kind = SheetKind::SingleRow, bool lock = true)
        : locked(lock)
        , commands(kind, platform, {[this] { return locked; }, [this] { return points; }})
    {
        ScriptedPlatform clock;
        MixingRandomSource random(99);
        rows = WorksheetBuilder::buildWorksheet(kind, false, random, clock);
    }
    void print(SheetSide side)
    {
        side == SheetSide::Tasks ? commands.printTaskSheet(rows) : commands.printSolutionSheet(rows);
    }
};

} // namespace

class TestWorksheetCommands : public QObject {
    Q_OBJECT
private slots:
    void printedSheetHasHeadingRowsAndAnswerLines_data();
    void printedSheetHasHeadingRowsAndAnswerLines();
    void passwordIsThePointsExactly_data();
    void passwordIsThePointsExactly();
    void everyPrintAsksAgainForThePointsShownNow();
    void nothingIsPrintedWhenThePupilSaysNo_data();
    void nothingIsPrintedWhenThePupilSaysNo();
    void withoutPrinterTheSheetCanBeSavedAsPdf_data();
    void withoutPrinterTheSheetCanBeSavedAsPdf();
    void failedPrintIsReportedNotAnnounced_data();
    void failedPrintIsReportedNotAnnounced();
    void copyHoldsTaskPartGapAndSolutionPart_data();
    void copyHoldsTaskPartGapAndSolutionPart();
    void copyingTwiceGivesTheSameTextAndSaysHowToPaste();
};

void TestWorksheetCommands::printedSheetHasHeadingRowsAndAnswerLines_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<SheetSide>("side");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("linesBefore");
    QTest::addColumn<AnswerLines>("answerLines");

    const QString ones = u"_____   _____   _____   _____   _____   _____"_s;
    const QString tens = u"______  ______  ______  ______  ______  ______"_s;
    const QString hundreds = u"_______   _______   _______   _______   _______"_s;
    QTest::newRow("single-row task sheet: 4 + 37 lines, products as underscores")
        << SheetKind::SingleRow << SheetSide::Tasks << u"Einreihige Multiplikation"_s
        << QStringList{{}, u"Einreihige Multiplikation (Rechenblatt)"_s, {}, {}}
        << answerLines({{{2, 7, 12}, ones}, {{18, 23}, tens}, {{29, 34}, hundreds}});
    QTest::newRow("single-row solution sheet: every row as built")
        << SheetKind::SingleRow << SheetSide::Solutions << u"Einreihige Multiplikation"_s
        << QStringList{{}, u"Einreihige Multiplikation (Lösungsblatt)"_s, {}, {}} << AnswerLines();
    QTest::newRow("two-row task sheet: 2 + 40 lines, products as dots")
        << SheetKind::TwoRow << SheetSide::Tasks << u"Zweireihige Multiplikation"_s
        << QStringList{u"Zweireihige Multiplikation (Rechenblatt)"_s, {}}
        << answerLines({{{3, 4, 6, 11, 12, 14, 19, 20, 22}, u"......  ......  ......  ......  ......  ......"_s},
                        {{27, 28, 30, 35, 36, 38}, u".......      .......      .......      ......."_s}});
    QTest::newRow("two-row solution sheet: every row as built")
        << SheetKind::TwoRow << SheetSide::Solutions << u"Zweireihige Multiplikation"_s
        << QStringList{u"Zweireihige Multiplikation (Lösungsblatt)"_s, {}} << AnswerLines();
    QTest::newRow("three-row task sheet: 4 + 36 lines, products as dots")
        << SheetKind::ThreeRow << SheetSide::Tasks << u"Dreireihige Multiplikation"_s
        << QStringList{{}, u"Dreireihige Multiplikation (Rechenblatt)"_s, {}, {}}
        << answerLines({{{3, 4, 5, 7, 12, 13, 14, 16, 21, 22, 23, 25, 30, 31, 32, 34},
                         u".......     .......     .......     ......."_s}});
}

void TestWorksheetCommands::printedSheetHasHeadingRowsAndAnswerLines()
{
    QFETCH(SheetKind, kind);
    QFETCH(SheetSide, side);
    QFETCH(QString, title);
    QFETCH(QStringList, linesBefore);
    QFETCH(AnswerLines, answerLines);

    Trainer trainer(kind, false);
    trainer.platform.answers = {MessageAnswer::Yes};
    trainer.print(side);

    QCOMPARE(trainer.platform.printJobs.size(), 1);
    const ScriptedPlatform::PrintJob &job = trainer.platform.printJobs.first();
    QCOMPARE(job.pdfFile, QString());
    QCOMPARE(job.document.fontFamily, u"Courier New"_s);
    QCOMPARE(job.document.pointSize, 18);
    QStringList expected = linesBefore;
    for (int row = 0; row < trainer.rows.size(); ++row)
        expected.append(answerLines.value(row, trainer.rows.at(row)));
    QCOMPARE(job.document.lines, expected);

    const QString sheet = side == SheetSide::Tasks ? u"Rechenblatt"_s : u"Lösungsblatt"_s;
    QCOMPARE(trainer.platform.messages.size(), 2);
    const ScriptedPlatform::Message &asked = trainer.platform.messages.at(0);
    QCOMPARE(asked.text, u"Das "_s + sheet + u" jetzt ausdrucken?"_s + crcr);
    QCOMPARE(asked.title, title);
    QCOMPARE(asked.buttons, MessageButtons::YesNo);
    QCOMPARE(asked.icon, MessageIcon::Question);
    QCOMPARE(asked.defaultButton, DefaultButton::Second);
    const ScriptedPlatform::Message &closing = trainer.platform.messages.at(1);
    QCOMPARE(closing.text, u"Das "_s + sheet + u" wird gedruckt ..."_s + crcr);
    QCOMPARE(closing.title, u"Drucken"_s);
    QCOMPARE(closing.buttons, MessageButtons::Ok);
    QCOMPARE(closing.icon, MessageIcon::None);
}

void TestWorksheetCommands::passwordIsThePointsExactly_data()
{
    QTest::addColumn<bool>("locked");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("entered"); // null: the dialog was cancelled
    QTest::addColumn<bool>("printed");

    QTest::newRow("the initial points 0 unlock") << true << 0 << u"0"_s << true;
    QTest::newRow("the points after some right digits unlock") << true << 137 << u"137"_s << true;
    QTest::newRow("the default text never unlocks") << true << 0 << u"Passwort"_s << false;
    QTest::newRow("a leading blank is refused") << true << 137 << u" 137"_s << false;
    QTest::newRow("a trailing blank is refused") << true << 137 << u"137 "_s << false;
    QTest::newRow("a leading zero is refused") << true << 137 << u"0137"_s << false;
    QTest::newRow("another count is refused") << true << 137 << u"136"_s << false;
    QTest::newRow("a cancelled dialog is refused") << true << 0 << QString() << false;
    QTest::newRow("a cleared lock asks nothing") << false << 0 << QString() << true;
}

void TestWorksheetCommands::passwordIsThePointsExactly()
{
    QFETCH(bool, locked);
    QFETCH(int, points);
    QFETCH(QString, entered);
    QFETCH(bool, printed);

    Trainer trainer(SheetKind::SingleRow, locked);
    trainer.points = points;
    trainer.platform.inputs = {entered};
    trainer.platform.answers = {MessageAnswer::Yes};
    trainer.print(SheetSide::Solutions);

    QCOMPARE(trainer.platform.inputRequests.size(), locked ? 1 : 0);
    if (locked) {
        const ScriptedPlatform::Input &request = trainer.platform.inputRequests.first();
        QCOMPARE(request.prompt, u"Kennwort eingeben:"_s);
        QCOMPARE(request.title, u"Druckersperre aufheben"_s);
        QCOMPARE(request.defaultText, u"Passwort"_s);
    }
    QCOMPARE(trainer.platform.printJobs.size(), printed ? 1 : 0);
    // A refused password ends the command without a word.
    QCOMPARE(trainer.platform.messages.size(), printed ? 2 : 0);
}

void TestWorksheetCommands::everyPrintAsksAgainForThePointsShownNow()
{
    Trainer trainer;
    trainer.points = 5;
    trainer.platform.inputs = {u"5"_s, u"5"_s, u"6"_s};
    trainer.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};

    trainer.print(SheetSide::Tasks);
    QCOMPARE(trainer.platform.printJobs.size(), 1);
    trainer.points = 6; // one more right digit: the old password no longer opens the lock
    trainer.print(SheetSide::Solutions);
    QCOMPARE(trainer.platform.printJobs.size(), 1);
    trainer.print(SheetSide::Tasks);
    QCOMPARE(trainer.platform.printJobs.size(), 2);
    QCOMPARE(trainer.platform.inputRequests.size(), 3);
}

void TestWorksheetCommands::nothingIsPrintedWhenThePupilSaysNo_data()
{
    QTest::addColumn<bool>("printerInstalled");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QStringList>("pdfNames");
    QTest::addColumn<int>("messages"); // none comes after the one answered No
    QTest::addColumn<int>("fileDialogs");

    const QStringList file{u"/tmp/blatt.pdf"_s};
    QTest::newRow("No at the print question") << true << QList{MessageAnswer::No} << file << 1 << 0;
    QTest::newRow("no printer, PDF offer declined")
        << false << QList{MessageAnswer::Yes, MessageAnswer::No} << file << 2 << 0;
    QTest::newRow("no printer, PDF offer left at its default") << false << QList{MessageAnswer::Yes} << file << 2 << 0;
    QTest::newRow("no printer, file dialog cancelled")
        << false << QList{MessageAnswer::Yes, MessageAnswer::Yes} << QStringList() << 2 << 1;
}

void TestWorksheetCommands::nothingIsPrintedWhenThePupilSaysNo()
{
    QFETCH(bool, printerInstalled);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QStringList, pdfNames);
    QFETCH(int, messages);
    QFETCH(int, fileDialogs);

    Trainer trainer(SheetKind::SingleRow, false);
    trainer.platform.printerInstalled = printerInstalled;
    trainer.platform.answers = answers;
    trainer.platform.pdfNames = pdfNames;
    trainer.print(SheetSide::Tasks);

    QVERIFY(trainer.platform.printJobs.isEmpty());
    QCOMPARE(trainer.platform.pdfRequests.size(), fileDialogs);
    QCOMPARE(trainer.platform.messages.size(), messages);
}

void TestWorksheetCommands::withoutPrinterTheSheetCanBeSavedAsPdf_data()
{
    QTest::addColumn<SheetSide>("side");
    QTest::addColumn<QString>("suggestedName");
    QTest::newRow("task sheet") << SheetSide::Tasks << u"Rechenblatt.pdf"_s;
    QTest::newRow("solution sheet") << SheetSide::Solutions << u"Lösungsblatt.pdf"_s;
}

void TestWorksheetCommands::withoutPrinterTheSheetCanBeSavedAsPdf()
{
    QFETCH(SheetSide, side);
    QFETCH(QString, suggestedName);

    Trainer trainer(SheetKind::SingleRow, false);
    trainer.platform.printerInstalled = false;
    trainer.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    trainer.platform.pdfNames = {u"/tmp/blatt.pdf"_s};
    trainer.print(side);

    const QList<ScriptedPlatform::Message> &messages = trainer.platform.messages;
    QCOMPARE(messages.size(), 3);
    const ScriptedPlatform::Message &offer = messages.at(1);
    QVERIFY2(offer.text.contains(u"kein Drucker"_s) && offer.text.contains(u"PDF"_s), qPrintable(offer.text));
    QVERIFY(offer.text.endsWith(crcr));
    QCOMPARE(offer.title, u"Einreihige Multiplikation"_s);
    QCOMPARE(offer.buttons, MessageButtons::YesNo);
    QCOMPARE(offer.icon, MessageIcon::Question);

    QCOMPARE(trainer.platform.pdfRequests.size(), 1);
    QVERIFY(trainer.platform.pdfRequests.first().endsWith(u'|' + suggestedName));
    QCOMPARE(trainer.platform.printJobs.size(), 1);
    const ScriptedPlatform::PrintJob &job = trainer.platform.printJobs.first();
    QCOMPARE(job.pdfFile, u"/tmp/blatt.pdf"_s);
    QCOMPARE(job.document.lines.size(), 4 + 37);
    QCOMPARE(job.document.lines.at(4 + 2) == trainer.rows.at(2), side == SheetSide::Solutions);

    const ScriptedPlatform::Message &saved = messages.at(2);
    QVERIFY(saved.text.contains(u"/tmp/blatt.pdf"_s));
    QVERIFY(!saved.text.contains(u"wird gedruckt"_s)); // nothing went to a printer
    QCOMPARE(saved.title, u"Drucken"_s);
    QCOMPARE(saved.buttons, MessageButtons::Ok);
}

void TestWorksheetCommands::failedPrintIsReportedNotAnnounced_data()
{
    QTest::addColumn<bool>("printerInstalled");
    QTest::addColumn<QString>("expectedWords");
    QTest::newRow("printer fails") << true << u"nicht gedruckt"_s;
    QTest::newRow("pdf file cannot be written: named, and nothing saved")
        << false << u"nicht als PDF-Datei gespeichert werden:\r/nicht/da/blatt.pdf\rEs wurde nichts gespeichert"_s;
}

void TestWorksheetCommands::failedPrintIsReportedNotAnnounced()
{
    QFETCH(bool, printerInstalled);
    QFETCH(QString, expectedWords);

    Trainer trainer(SheetKind::SingleRow, false);
    trainer.platform.printerInstalled = printerInstalled;
    trainer.platform.printOutcome = PrintOutcome::Failed;
    trainer.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    trainer.platform.pdfNames = {u"/nicht/da/blatt.pdf"_s};
    trainer.print(SheetSide::Tasks);

    QCOMPARE(trainer.platform.printJobs.size(), 1);
    const ScriptedPlatform::Message &report = trainer.platform.messages.last();
    QVERIFY2(report.text.contains(expectedWords), qPrintable(report.text));
    QCOMPARE(report.icon, MessageIcon::Stop);
    QCOMPARE(report.buttons, MessageButtons::Ok);
    QCOMPARE(report.title, u"Drucken"_s);
    for (const QString &text : trainer.platform.messageTexts()) {
        QVERIFY(!text.contains(u"wird gedruckt"_s));
        QVERIFY(!text.contains(QLatin1Char('\n'))); // message boxes break lines with CR alone
    }
}

void TestWorksheetCommands::copyHoldsTaskPartGapAndSolutionPart_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QList<int>>("answerRows");

    QTest::newRow("single-row: 76 lines") << SheetKind::SingleRow << 76 << QList<int>{2, 7, 12, 18, 23, 29, 34};
    QTest::newRow("two-row: 82 lines")
        << SheetKind::TwoRow << 82 << QList<int>{3, 4, 6, 11, 12, 14, 19, 20, 22, 27, 28, 30, 35, 36, 38};
    QTest::newRow("three-row: 74 lines")
        << SheetKind::ThreeRow << 74 << QList<int>{3, 4, 5, 7, 12, 13, 14, 16, 21, 22, 23, 25, 30, 31, 32, 34};
}

void TestWorksheetCommands::copyHoldsTaskPartGapAndSolutionPart()
{
    QFETCH(SheetKind, kind);
    QFETCH(int, lineCount);
    QFETCH(QList<int>, answerRows);

    Trainer trainer(kind); // the lock is set: copying does not care
    trainer.commands.copyWorksheet(trainer.rows);

    QVERIFY(trainer.platform.inputRequests.isEmpty());
    QCOMPARE(trainer.platform.clipboardWrites.size(), 1);
    const QString text = trainer.platform.clipboard();
    QString taskPart;
    for (int row = 0; row < trainer.rows.size(); ++row)
        taskPart += (answerRows.contains(row) ? u" "_s : trainer.rows.at(row)) + crlf;
    QCOMPARE(text, taskPart + crlf + crlf + trainer.rows.join(crlf) + crlf); // trailing blanks kept
    QCOMPARE(text.count(crlf), lineCount);
    QCOMPARE(text.count(QLatin1Char('\n')), lineCount);
    static const QRegularExpression numbers(u"^ +[1-9][0-9 ]+$"_s);
    for (int row : answerRows) // what the task part leaves out are the products
        QVERIFY2(numbers.match(trainer.rows.at(row)).hasMatch(), qPrintable(trainer.rows.at(row)));
}

void TestWorksheetCommands::copyingTwiceGivesTheSameTextAndSaysHowToPaste()
{
    Trainer trainer;
    trainer.commands.copyWorksheet(trainer.rows);
    trainer.commands.copyWorksheet(trainer.rows);

    QCOMPARE(trainer.platform.clipboardWrites.size(), 2);
    QCOMPARE(trainer.platform.clipboardWrites.at(1), trainer.platform.clipboardWrites.at(0));
    QCOMPARE(trainer.platform.clipboardClears, 2);
    QCOMPARE(trainer.platform.messages.size(), 2);
    const ScriptedPlatform::Message &message = trainer.platform.messages.first();
    QCOMPARE(message.text, u"Die Rechenaufgaben und die Lösungen wurden in die Ablage kopiert."_s + CR
                               + u"(Beim Einfügen muss die Schriftart 'COURIER NEW' gesetzt werden!)"_s + crcr);
    QCOMPARE(message.title, u"Zwischenablage"_s);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.icon, MessageIcon::None);
}

QTEST_APPLESS_MAIN(TestWorksheetCommands)
#include "test_worksheet_commands.moc"
