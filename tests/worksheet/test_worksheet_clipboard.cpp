#include "shell/lenient_number.h"
#include "shell/random_source.h"
#include "support/scripted_platform.h"
#include "worksheet/worksheet_builder.h"
#include "worksheet/worksheet_commands.h"

#include <QtTest/QTest>

using namespace Qt::StringLiterals;

namespace {
const QString crlf = u"\r\n"_s;

QStringList freshSheet(SheetKind kind)
{
    ScriptedPlatform clock;
    MixingRandomSource random(31);
    return WorksheetBuilder::buildWorksheet(kind, false, random, clock);
}
} // namespace

class TestWorksheetClipboard : public QObject {
    Q_OBJECT
private slots:
    void copyHoldsTaskPartGapAndSolutionPart_data();
    void copyHoldsTaskPartGapAndSolutionPart();
    void copyNeedsNoPasswordAndSaysHowToPaste();
    void copyingTwiceGivesTheSameText();
};

void TestWorksheetClipboard::copyHoldsTaskPartGapAndSolutionPart_data()
{
    QTest::addColumn<SheetKind>("kind");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QList<int>>("answerRows");

    QTest::newRow("single-row: 76 lines") << SheetKind::SingleRow << 76
                                          << QList<int>{2, 7, 12, 18, 23, 29, 34};
    QTest::newRow("two-row: 82 lines")
        << SheetKind::TwoRow << 82
        << QList<int>{3, 4, 6, 11, 12, 14, 19, 20, 22, 27, 28, 30, 35, 36, 38};
    QTest::newRow("three-row: 74 lines")
        << SheetKind::ThreeRow << 74
        << QList<int>{3, 4, 5, 7, 12, 13, 14, 16, 21, 22, 23, 25, 30, 31, 32, 34};
}

void TestWorksheetClipboard::copyHoldsTaskPartGapAndSolutionPart()
{
    QFETCH(SheetKind, kind);
    QFETCH(int, lineCount);
    QFETCH(QList<int>, answerRows);

    ScriptedPlatform platform;
    WorksheetCommands commands(kind, platform, {});
    const QStringList rows = freshSheet(kind);
    commands.copyWorksheet(rows);

    QCOMPARE(platform.clipboardWrites.size(), 1);
    const QString text = platform.clipboard();
    QVERIFY(text.endsWith(crlf));
    // Every line ends with CR LF: no CR or LF stands anywhere else.
    QCOMPARE(text.count(QLatin1Char('\r')), lineCount);
    QCOMPARE(text.count(QLatin1Char('\n')), lineCount);
    QCOMPARE(text.count(crlf), lineCount);

    const QStringList lines = text.chopped(2).split(crlf);
    QCOMPARE(lines.size(), lineCount);
    const qsizetype n = rows.size();
    for (int row = 0; row < n; ++row) {
        QCOMPARE(lines.at(row), answerRows.contains(row) ? u" "_s : rows.at(row));
        QCOMPARE(lines.at(n + 2 + row), rows.at(row)); // trailing spaces kept
    }
    QCOMPARE(lines.at(n), QString());
    QCOMPARE(lines.at(n + 1), QString());
    const QString firstProducts = lines.at(n + 2 + answerRows.first());
    QVERIFY(firstProducts.split(QLatin1Char(' '), Qt::SkipEmptyParts).first().toInt() > 0);
    QVERIFY(firstProducts.endsWith(u"  "_s));
}

void TestWorksheetClipboard::copyNeedsNoPasswordAndSaysHowToPaste()
{
    ScriptedPlatform platform;
    WorksheetCommands commands(SheetKind::SingleRow, platform,
                               {[] { return true; }, [] { return u"3"_s; }});
    commands.copyWorksheet(freshSheet(SheetKind::SingleRow));

    QVERIFY(platform.inputRequests.isEmpty());
    QCOMPARE(platform.clipboardClears, 1);
    QCOMPARE(platform.messages.size(), 1);
    const ScriptedPlatform::Message &message = platform.messages.first();
    QCOMPARE(message.text,
             u"Die Rechenaufgaben und die Lösungen wurden in die Ablage kopiert."_s + CR
                 + u"(Beim Einfügen muss die Schriftart 'COURIER NEW' gesetzt werden!)"_s + CR + CR);
    QCOMPARE(message.title, u"Zwischenablage"_s);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.icon, MessageIcon::None);
}

void TestWorksheetClipboard::copyingTwiceGivesTheSameText()
{
    ScriptedPlatform platform;
    WorksheetCommands commands(SheetKind::SingleRow, platform, {});
    const QStringList rows = freshSheet(SheetKind::SingleRow);
    commands.copyWorksheet(rows);
    commands.copyWorksheet(rows);
    QCOMPARE(platform.clipboardWrites.size(), 2);
    QCOMPARE(platform.clipboardWrites.at(1), platform.clipboardWrites.at(0));
}

QTEST_APPLESS_MAIN(TestWorksheetClipboard)
#include "test_worksheet_clipboard.moc"
