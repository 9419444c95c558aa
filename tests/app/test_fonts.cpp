// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/info_window.h"
#include "rewards/catch_game_window.h"
#include "rewards/memory_game_window.h"
#include "shell/window_setup.h"
#include "trainer_multi/multi_row_trainer_window.h"
#include "trainer_single/single_row_trainer_window.h"
#include "worksheet/worksheet_documents.h"

#include "support/shell_fixture.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QRawFont>
#include <QtTest/QTest>

// Every face the windows and the sheets name is installed and has the German
// letters; nothing falls back to a face without them, and the sheets' face is
// fixed-pitch with the metrics of Courier New.
class TestFonts : public QObject {
    Q_OBJECT
private slots:
    void everyWindowShowsItsNamedFaceWithTheUmlauts_data();
    void everyWindowShowsItsNamedFaceWithTheUmlauts();
    void sheetsAreSetInAFaceMetricCompatibleWithCourierNew_data();
    void sheetsAreSetInAFaceMetricCompatibleWithCourierNew();
};

namespace {
const QString germanLetters = QStringLiteral("äöüÄÖÜß");

// Letters the resolved face itself lacks (a fallback face would hide them on screen).
QString missingLetters(const QFont &font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    QString missing;
    for (QChar c : germanLetters)
        if (!raw.supportsCharacter(c))
            missing += c;
    return missing;
}

bool isSheetFace(const QFont &font)
{
    return font.family() == WorksheetDocuments::printFontFamily;
}

QFont sheetFont()
{
    QFont font(WorksheetDocuments::printFontFamily); // as the printer asks for it
    font.setPointSize(WorksheetDocuments::printPointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}
} // namespace

void TestFonts::everyWindowShowsItsNamedFaceWithTheUmlauts_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : {"main menu", "info window", "one-row trainer", "two-row trainer",
                             "three-row trainer", "catch game", "memory game"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestFonts::everyWindowShowsItsNamedFaceWithTheUmlauts()
{
    QFETCH(QString, window);
    ShellFixture fixture;
    AppShell &shell = fixture.shell;
    const QHash<QString, QWidget *> windows{
        {QStringLiteral("main menu"), shell.mainMenu()},
        {QStringLiteral("info window"), shell.infoWindow()},
        {QStringLiteral("one-row trainer"), shell.singleRowTrainer()},
        {QStringLiteral("two-row trainer"), shell.twoRowTrainer()},
        {QStringLiteral("three-row trainer"), shell.threeRowTrainer()},
        {QStringLiteral("catch game"), shell.catchGame()},
        {QStringLiteral("memory game"), shell.memoryGame()},
    };
    QWidget *top = windows.value(window);
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (QWidget *widget : widgets) {
        const QFont font = widget->font();
        const QFontInfo shown(font);
        const QString where = widget->objectName() + QStringLiteral(" (") +
                              QString::fromLatin1(widget->metaObject()->className()) +
                              QStringLiteral("): ") + shown.family();
        QVERIFY2(missingLetters(font).isEmpty(), qPrintable(where + QStringLiteral(" lacks ") +
                                                            missingLetters(font)));
        if (isSheetFace(font))
            QVERIFY2(shown.fixedPitch(), qPrintable(where));
        else
            QVERIFY2(shown.family() == WindowSetup::windowFontFamily, qPrintable(where));
    }
}

void TestFonts::sheetsAreSetInAFaceMetricCompatibleWithCourierNew_data()
{
    QTest::addColumn<QString>("letter");
    QTest::newRow("a capital") << QStringLiteral("M");
    QTest::newRow("a digit") << QStringLiteral("7");
    QTest::newRow("a blank") << QStringLiteral(" ");
    QTest::newRow("an umlaut") << QStringLiteral("Ü");
    QTest::newRow("sharp s") << QStringLiteral("ß");
}

void TestFonts::sheetsAreSetInAFaceMetricCompatibleWithCourierNew()
{
    QFETCH(QString, letter);
    QFont font = sheetFont();
    QVERIFY2(missingLetters(font).isEmpty(), qPrintable(QFontInfo(font).family()));
    QVERIFY(QFontInfo(font).fixedPitch());
    // Courier New advances every letter by 1229/2048 em; DejaVu Sans Mono (1233/2048) would not do.
    font.setPixelSize(2048);
    const qreal advance = QFontMetricsF(font).horizontalAdvance(letter);
    QVERIFY2(qAbs(advance - 1229) <= 1, qPrintable(QStringLiteral("%1: %2 of 2048")
                                                        .arg(QFontInfo(font).family())
                                                        .arg(advance)));
}

QTEST_MAIN(TestFonts)
#include "test_fonts.moc"
