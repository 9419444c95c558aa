// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt_platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest/QTest>

// Printing goes through the printing module, loaded when the program first prints.
class TestPrinterModule : public QObject {
    Q_OBJECT
private slots:
    void aSheetPrintedToPdfGoesThroughTheModule();
};

void TestPrinterModule::aSheetPrintedToPdfGoesThroughTheModule()
{
    QCoreApplication::addLibraryPath(QStringLiteral(RECHENHEFT_PRINTING_MODULE_DIR));
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Rechenblatt.pdf"));
    QtPlatform platform;
    PrintDocument sheet;
    sheet.fontFamily = QStringLiteral("Courier New");
    sheet.pointSize = 18;
    sheet.lines = {QStringLiteral("1234*5"), QStringLiteral("6170")};
    QCOMPARE(platform.print(sheet, file), PrintOutcome::Printed);
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
}

QTEST_MAIN(TestPrinterModule)
#include "test_printer_module.moc"
