// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_icon.h"

#include <QApplication>
#include <QImage>
#include <QtTest/QTest>

// The window icon is painted from the very SVG file that is installed.
class TestAppIcon : public QObject {
    Q_OBJECT
private slots:
    void thePainterKnowsEveryElementOfTheInstalledFile();
    void theWindowIconShowsTheDrawing_data();
    void theWindowIconShowsTheDrawing();
};

void TestAppIcon::thePainterKnowsEveryElementOfTheInstalledFile()
{
    QCOMPARE(AppIcon::unknownElements(QStringLiteral(RECHENHEFT_ICON_FILE)), 0);
    QVERIFY(!AppIcon::render(16, QStringLiteral(RECHENHEFT_ICON_FILE)).isNull());
}

void TestAppIcon::theWindowIconShowsTheDrawing_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");
    // Points of the 128-unit drawing, sampled at 128 pixels.
    QTest::newRow("outside the page is transparent") << QPoint(2, 2) << QColor(0, 0, 0, 0);
    QTest::newRow("navy border of the page") << QPoint(11, 60) << QColor(0, 0, 128);
    QTest::newRow("squared paper is white") << QPoint(40, 95) << QColor(255, 255, 255);
    QTest::newRow("red result rule") << QPoint(60, 66) << QColor(200, 0, 0);
    QTest::newRow("green tile") << QPoint(72, 118) << QColor(0, 150, 0);
    QTest::newRow("white dot on the tile") << QPoint(90, 101) << QColor(255, 255, 255);
}

void TestAppIcon::theWindowIconShowsTheDrawing()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    const QImage image = AppIcon::render(128).toImage();
    QCOMPARE(image.pixelColor(point), colour);
}

QTEST_MAIN(TestAppIcon)
#include "test_app_icon.moc"
