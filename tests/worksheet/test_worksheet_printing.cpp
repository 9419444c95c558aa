#include "shell/lenient_number.h"
#include "shell/random_source.h"
#include "support/scripted_platform.h"
#include "worksheet/worksheet_builder.h"
#include "worksheet/worksheet_commands.h"

#include <QtTest/QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList freshSheet(SheetKind kind)
{
    ScriptedPlatform clock;
    MixingRandomSource random(99);
    return WorksheetBuilder::buildWorksheet(kind, false, random, clock);
}

const QString crcr = QString(2, CR);

// A trainer with its printer lock and points display, as the print commands see them.
struct Trainer {
    ScriptedPlatform platform;
    bool locked = true;
    QString points = u"0"_s;
    WorksheetCommands commands;

    explicit Trainer(SheetKind kind = SheetKind::SingleRow)
        : commands(kind, platform, {[this] { return locked; }, [this] { return points; }})
    {
    }
};

void print(Trainer &trainer, SheetSide side, const QStringList &rows)
{
    if (side == SheetSide::Tasks)
        trainer.commands.printTaskSheet(rows);
    else
        trainer.commands.printSolutionSheet(rows);
}

} // namespace

class TestWorksheetPrinting : public QObject {
    Q_OBJECT
private slots:
    void taskSheetShowsAnswerLinesInsteadOfProducts_data();
    void taskSheetShowsAnswerLinesInsteadOfProducts();
    void solutionSheetPrintsEveryRowAsBuilt_data();
    void solutionSheetPrintsEveryRowAsBuilt();
    void questionAndClosingMessage_data();
    void questionAndClosingMessage();
    void passwordIsThePointsTextExactly_data();
    void passwordIsThePointsTextExactly();
    void passwordFollowsThePointsShownAtThatMoment();
    void lockStaysSetAfterACorrectPassword();
    void clearedLockAsksNoPassword();
    void noAtTheQuestionPrintsNothing();
    void withoutPrinterTheSheetCanBeSavedAsPdf_data();
    void withoutPrinterTheSheetCanBeSavedAsPdf();
    void declinedPdfOfferPrintsNothing_data();
    void declinedPdfOfferPrintsNothing();
    void failedPrintIsReportedNotAnnounced_data();
    void failedPrintIsReportedNotAnnounced();
};

void TestWorksheetPrinting::taskSheetShowsAnswerLinesInsteadOfProducts_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<QStringList>("linesBefore");
    QTest::addColumn<QList<int>>("answerRows");
    QTest::addColumn<QStringList>("answerLines"); // one per answer row

    const QString ones = u"_____   _____   _____   _____   _____   _____"_s;
    const QString tens = u"______  ______  ______  ______  ______  ______"_s;
    const QString hundreds = u"_______   _______   _______   _______   _______"_s;
    QTest::newRow("single-row: 4 + 37 lines, underscores")
        << SheetKind::SingleRow
        << QStringList{QString(), u"Einreihige Multiplikation (Rechenblatt)"_s, QString(), QString()}
        << QList<int>{2, 7, 12, 18, 23, 29, 34}
        << QStringList{ones, ones, ones, tens, tens, hundreds, hundreds};

    const QString narrow = u"......  ......  ......  ......  ......  ......"_s;
    const QString wide = u".......      .......      .......      ......."_s;
    QStringList twoRowLines;
    for (int i = 0; i < 9; ++i)
        twoRowLines.append(narrow);
    for (int i = 0; i < 6; ++i)
        twoRowLines.append(wide);
    QTest::newRow("two-row: 2 + 40 lines, dots")
        << SheetKind::TwoRow << QStringList{u"Zweireihige Multiplikation (Rechenblatt)"_s, QString()}
        << QList<int>{3, 4, 6, 11, 12, 14, 19, 20, 22, 27, 28, 30, 35, 36, 38} << twoRowLines;

    QTest::newRow("three-row: 4 + 36 lines, dots")
        << SheetKind::ThreeRow
        << QStringList{QString(), u"Dreireihige Multiplikation (Rechenblatt)"_s, QString(), QString()}
        << QList<int>{3, 4, 5, 7, 12, 13, 14, 16, 21, 22, 23, 25, 30, 31, 32, 34}
        << QStringList(16, u".......     .......     .......     ......."_s);
}

void TestWorksheetPrinting::taskSheetShowsAnswerLinesInsteadOfProducts()
{
    QFETCH(SheetKind, kind);
    QFETCH(QStringList, linesBefore);
    QFETCH(QList<int>, answerRows);
    QFETCH(QStringList, answerLines);

    Trainer trainer(kind);
    trainer.locked = false;
    trainer.platform.answers = {MessageAnswer::Yes};
    const QStringList rows = freshSheet(kind);
    trainer.commands.printTaskSheet(rows);

    QCOMPARE(trainer.platform.printJobs.size(), 1);
    const ScriptedPlatform::PrintJob &job = trainer.platform.printJobs.first();
    QCOMPARE(job.pdfFile, QString());
    QCOMPARE(job.document.fontFamily, u"Courier New"_s);
    QCOMPARE(job.document.pointSize, 18);
    QCOMPARE(job.document.lines.size(), linesBefore.size() + rows.size());
    QCOMPARE(job.document.lines.mid(0, linesBefore.size()), linesBefore);
    for (int row = 0; row < rows.size(); ++row) {
        const QString printed = job.document.lines.at(linesBefore.size() + row);
        const qsizetype answer = answerRows.indexOf(row);
        QCOMPARE(printed, answer >= 0 ? answerLines.at(answer) : rows.at(row));
    }
}

void TestWorksheetPrinting::solutionSheetPrintsEveryRowAsBuilt_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<QStringList>("linesBefore");

    QTest::newRow("single-row")
        << SheetKind::SingleRow
        << QStringList{QString(), u"Einreihige Multiplikation (Lösungsblatt)"_s, QString(), QString()};
    QTest::newRow("two-row")
        << SheetKind::TwoRow << QStringList{u"Zweireihige Multiplikation (Lösungsblatt)"_s, QString()};
    QTest::newRow("three-row")
        << SheetKind::ThreeRow
        << QStringList{QString(), u"Dreireihige Multiplikation (Lösungsblatt)"_s, QString(), QString()};
}

void TestWorksheetPrinting::solutionSheetPrintsEveryRowAsBuilt()
{
    QFETCH(SheetKind, kind);
    QFETCH(QStringList, linesBefore);

    Trainer trainer(kind);
    trainer.locked = false;
    trainer.platform.answers = {MessageAnswer::Yes};
    const QStringList rows = freshSheet(kind);
    trainer.commands.printSolutionSheet(rows);

    QCOMPARE(trainer.platform.printJobs.size(), 1);
    const PrintDocument &document = trainer.platform.printJobs.first().document;
    QCOMPARE(document.fontFamily, u"Courier New"_s);
    QCOMPARE(document.pointSize, 18);
    QCOMPARE(document.lines, linesBefore + rows);
}

void TestWorksheetPrinting::questionAndClosingMessage_data()
{
    QTest::addColumn<SheetSide>("side");
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("closing");

    QTest::newRow("single-row task sheet")
        << SheetSide::Tasks << SheetKind::SingleRow << u"Einreihige Multiplikation"_s
        << u"Das Rechenblatt jetzt ausdrucken?"_s + crcr << u"Das Rechenblatt wird gedruckt ..."_s + crcr;
    QTest::newRow("single-row solution sheet")
        << SheetSide::Solutions << SheetKind::SingleRow << u"Einreihige Multiplikation"_s
        << u"Das Lösungsblatt jetzt ausdrucken?"_s + crcr
        << u"Das Lösungsblatt wird gedruckt ..."_s + crcr;
    QTest::newRow("two-row task sheet")
        << SheetSide::Tasks << SheetKind::TwoRow << u"Zweireihige Multiplikation"_s
        << u"Das Rechenblatt jetzt ausdrucken?"_s + crcr << u"Das Rechenblatt wird gedruckt ..."_s + crcr;
    QTest::newRow("three-row solution sheet")
        << SheetSide::Solutions << SheetKind::ThreeRow << u"Dreireihige Multiplikation"_s
        << u"Das Lösungsblatt jetzt ausdrucken?"_s + crcr
        << u"Das Lösungsblatt wird gedruckt ..."_s + crcr;
}

void TestWorksheetPrinting::questionAndClosingMessage()
{
    QFETCH(SheetSide, side);
    QFETCH(SheetKind, kind);
    QFETCH(QString, title);
    QFETCH(QString, question);
    QFETCH(QString, closing);

    Trainer trainer(kind);
    trainer.platform.inputs = {u"0"_s};
    trainer.platform.answers = {MessageAnswer::Yes};
    int jobsWhileAsking = -1;
    trainer.platform.whileMessageOpen = [&](const ScriptedPlatform::Message &message) {
        if (message.text == question)
            jobsWhileAsking = int(trainer.platform.printJobs.size());
    };
    print(trainer, side, freshSheet(kind));

    QCOMPARE(trainer.platform.messages.size(), 2);
    const ScriptedPlatform::Message &asked = trainer.platform.messages.at(0);
    QCOMPARE(asked.text, question);
    QCOMPARE(asked.title, title);
    QCOMPARE(asked.buttons, MessageButtons::YesNo);
    QCOMPARE(asked.icon, MessageIcon::Question);
    QCOMPARE(asked.defaultButton, DefaultButton::Second);
    QCOMPARE(jobsWhileAsking, 0); // nothing goes to the printer before the answer

    const ScriptedPlatform::Message &closed = trainer.platform.messages.at(1);
    QCOMPARE(closed.text, closing);
    QCOMPARE(closed.title, u"Drucken"_s);
    QCOMPARE(closed.buttons, MessageButtons::Ok);
    QCOMPARE(closed.icon, MessageIcon::None);
    QCOMPARE(trainer.platform.printJobs.size(), 1);
}

void TestWorksheetPrinting::passwordIsThePointsTextExactly_data()
{
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("entered"); // empty: the dialog was cancelled
    QTest::addColumn<bool>("accepted");

    QTest::newRow("initial points 0") << u"0"_s << u"0"_s << true;
    QTest::newRow("after some points") << u"137"_s << u"137"_s << true;
    QTest::newRow("default text never matches") << u"0"_s << u"Passwort"_s << false;
    QTest::newRow("leading blank") << u"137"_s << u" 137"_s << false;
    QTest::newRow("trailing blank") << u"137"_s << u"137 "_s << false;
    QTest::newRow("leading zero") << u"137"_s << u"0137"_s << false;
    QTest::newRow("another count") << u"137"_s << u"136"_s << false;
    QTest::newRow("cancelled") << u"0"_s << QString() << false;
}

void TestWorksheetPrinting::passwordIsThePointsTextExactly()
{
    QFETCH(QString, points);
    QFETCH(QString, entered);
    QFETCH(bool, accepted);

    Trainer trainer;
    trainer.points = points;
    trainer.platform.inputs = {entered};
    trainer.platform.answers = {MessageAnswer::Yes};
    trainer.commands.printSolutionSheet(freshSheet(SheetKind::SingleRow));

    QCOMPARE(trainer.platform.inputRequests.size(), 1);
    const ScriptedPlatform::Input &request = trainer.platform.inputRequests.first();
    QCOMPARE(request.prompt, u"Kennwort eingeben:"_s);
    QCOMPARE(request.title, u"Druckersperre aufheben"_s);
    QCOMPARE(request.defaultText, u"Passwort"_s);

    QCOMPARE(trainer.platform.printJobs.size(), accepted ? 1 : 0);
    // A refused password ends the command without a word.
    QCOMPARE(trainer.platform.messages.size(), accepted ? 2 : 0);
}

void TestWorksheetPrinting::passwordFollowsThePointsShownAtThatMoment()
{
    Trainer trainer;
    const QStringList rows = freshSheet(SheetKind::SingleRow);
    trainer.points = u"5"_s;
    trainer.platform.inputs = {u"5"_s, u"5"_s, u"6"_s};
    trainer.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};

    trainer.commands.printTaskSheet(rows);
    QCOMPARE(trainer.platform.printJobs.size(), 1);
    trainer.points = u"6"_s; // one more right digit
    trainer.commands.printTaskSheet(rows);
    QCOMPARE(trainer.platform.printJobs.size(), 1);
    trainer.commands.printTaskSheet(rows);
    QCOMPARE(trainer.platform.printJobs.size(), 2);
}

void TestWorksheetPrinting::lockStaysSetAfterACorrectPassword()
{
    Trainer trainer;
    const QStringList rows = freshSheet(SheetKind::SingleRow);
    trainer.platform.inputs = {u"0"_s, u"Passwort"_s};
    trainer.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};

    trainer.commands.printTaskSheet(rows);
    trainer.commands.printSolutionSheet(rows);
    QCOMPARE(trainer.platform.inputRequests.size(), 2);
    QCOMPARE(trainer.platform.printJobs.size(), 1);
    QVERIFY(trainer.locked);
}

void TestWorksheetPrinting::clearedLockAsksNoPassword()
{
    Trainer trainer;
    trainer.locked = false;
    trainer.platform.answers = {MessageAnswer::Yes};
    trainer.commands.printTaskSheet(freshSheet(SheetKind::SingleRow));
    QVERIFY(trainer.platform.inputRequests.isEmpty());
    QCOMPARE(trainer.platform.printJobs.size(), 1);
}

void TestWorksheetPrinting::noAtTheQuestionPrintsNothing()
{
    Trainer trainer;
    trainer.locked = false;
    trainer.platform.answers = {MessageAnswer::No};
    trainer.commands.printTaskSheet(freshSheet(SheetKind::SingleRow));
    QVERIFY(trainer.platform.printJobs.isEmpty());
    QCOMPARE(trainer.platform.messages.size(), 1); // only the question
}

void TestWorksheetPrinting::withoutPrinterTheSheetCanBeSavedAsPdf_data()
{
    QTest::addColumn<SheetSide>("side");
    QTest::addColumn<QString>("suggestedName");
    QTest::newRow("task sheet") << SheetSide::Tasks << u"Rechenblatt.pdf"_s;
    QTest::newRow("solution sheet") << SheetSide::Solutions << u"Lösungsblatt.pdf"_s;
}

void TestWorksheetPrinting::withoutPrinterTheSheetCanBeSavedAsPdf()
{
    QFETCH(SheetSide, side);
    QFETCH(QString, suggestedName);

    Trainer trainer;
    trainer.locked = false;
    trainer.platform.printerInstalled = false;
    trainer.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    trainer.platform.pdfNames = {u"/tmp/blatt.pdf"_s};
    const QStringList rows = freshSheet(SheetKind::SingleRow);
    print(trainer, side, rows);

    const QList<ScriptedPlatform::Message> &messages = trainer.platform.messages;
    QCOMPARE(messages.size(), 3);
    const ScriptedPlatform::Message &offer = messages.at(1);
    QVERIFY2(offer.text.contains(u"kein Drucker"_s), qPrintable(offer.text));
    QVERIFY(offer.text.contains(u"PDF"_s));
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
    QCOMPARE(job.document.lines.at(4 + 2) == rows.at(2), side == SheetSide::Solutions);

    const ScriptedPlatform::Message &saved = messages.at(2);
    QVERIFY(saved.text.contains(u"/tmp/blatt.pdf"_s));
    QVERIFY(!saved.text.contains(u"wird gedruckt"_s)); // nothing went to a printer
    QCOMPARE(saved.title, u"Drucken"_s);
    QCOMPARE(saved.buttons, MessageButtons::Ok);
}

void TestWorksheetPrinting::declinedPdfOfferPrintsNothing_data()
{
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QStringList>("pdfNames");
    QTest::addColumn<int>("fileDialogs");

    QTest::newRow("offer declined") << QList<MessageAnswer>{MessageAnswer::Yes, MessageAnswer::No}
                                    << QStringList{u"/tmp/blatt.pdf"_s} << 0;
    QTest::newRow("offer left at its default") << QList<MessageAnswer>{MessageAnswer::Yes}
                                               << QStringList{u"/tmp/blatt.pdf"_s} << 0;
    QTest::newRow("file dialog cancelled")
        << QList<MessageAnswer>{MessageAnswer::Yes, MessageAnswer::Yes} << QStringList{} << 1;
}

void TestWorksheetPrinting::declinedPdfOfferPrintsNothing()
{
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QStringList, pdfNames);
    QFETCH(int, fileDialogs);

    Trainer trainer;
    trainer.locked = false;
    trainer.platform.printerInstalled = false;
    trainer.platform.answers = answers;
    trainer.platform.pdfNames = pdfNames;
    trainer.commands.printTaskSheet(freshSheet(SheetKind::SingleRow));

    QVERIFY(trainer.platform.printJobs.isEmpty());
    QCOMPARE(trainer.platform.pdfRequests.size(), fileDialogs);
    QCOMPARE(trainer.platform.messages.size(), 2); // the question and the offer, nothing after
}

void TestWorksheetPrinting::failedPrintIsReportedNotAnnounced_data()
{
    QTest::addColumn<bool>("printerInstalled");
    QTest::addColumn<QString>("expectedWords");
    QTest::newRow("printer fails") << true << u"nicht gedruckt"_s;
    QTest::newRow("pdf file cannot be written") << false << u"nicht als PDF-Datei gespeichert"_s;
}

void TestWorksheetPrinting::failedPrintIsReportedNotAnnounced()
{
    QFETCH(bool, printerInstalled);
    QFETCH(QString, expectedWords);

    Trainer trainer;
    trainer.locked = false;
    trainer.platform.printerInstalled = printerInstalled;
    trainer.platform.printOutcome = PrintOutcome::Failed;
    trainer.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    trainer.platform.pdfNames = {u"/nicht/da/blatt.pdf"_s};
    trainer.commands.printTaskSheet(freshSheet(SheetKind::SingleRow));

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

QTEST_APPLESS_MAIN(TestWorksheetPrinting)
#include "test_worksheet_printing.moc"
