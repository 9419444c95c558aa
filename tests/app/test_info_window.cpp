// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_shell.h"
#include "app/info_window.h"
#include "app/main_menu_window.h"

#include "support/scripted_platform.h"
#include "support/scripted_random.h"
#include "support/shell_test.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest/QTest>

namespace {
// How many pixels of the image lie within a few steps of the colour in every channel.
int pixelsNear(const QImage &image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += qAbs(pixel.red() - colour.red()) <= 8 && qAbs(pixel.green() - colour.green()) <= 8
                && qAbs(pixel.blue() - colour.blue()) <= 8;
        }
    }
    return count;
}
} // namespace

class TestInfoWindow : public ShellTest {
    Q_OBJECT
public:
    TestInfoWindow() : ShellTest(true) {}

private slots:
    void lockIsSetBeforeTheWindowWasEverShown();
    void windowShowsItsTextsCentredAQuarterDown();
    void threeWaysToCloseOnlyHide_data();
    void threeWaysToCloseOnlyHide();
    void untickedLockSurvivesClosingAndReopening();
    void lockCaptionIsWhiteBoldOnLightBlue();

private:
    void openInfo()
    {
        QTest::mouseClick(m_shell->mainMenu()->findChild<QAbstractButton *>(QStringLiteral("Bild4")),
                          Qt::LeftButton);
    }
};

void TestInfoWindow::lockIsSetBeforeTheWindowWasEverShown()
{
    QVERIFY(m_shell->printerLock().isSet());
    QVERIFY(!m_shell->hasInfoWindow());
    auto *box = m_shell->infoWindow()->findChild<QCheckBox *>(QStringLiteral("Kontroll1"));
    QVERIFY(box->isChecked());
    QCOMPARE(box->text(), QStringLiteral("  Druckmodus deaktivieren"));
}

void TestInfoWindow::windowShowsItsTextsCentredAQuarterDown()
{
    openInfo();
    InfoWindow *info = m_shell->infoWindow();
    QCOMPARE(info->objectName(), QStringLiteral("ORBLABEL"));
    QCOMPARE(info->windowTitle(), QStringLiteral("Programm-Info"));
    QCOMPARE(info->size(), QSize(3510 / 15, 4575 / 15)); // the teacher's row under its own 3930
    QCOMPARE(info->pos(), QPoint((1280 - info->frameGeometry().width()) / 2,
                                 (1024 - info->frameGeometry().height()) / 4));
    QCOMPARE(info->findChild<QLabel *>(QStringLiteral("Bezeichnung5"))->text(),
             QStringLiteral("M u l t i p l i k a t i o n"));
    QCOMPARE(info->findChild<QLabel *>(QStringLiteral("Bezeichnung6"))->text(), InfoWindow::noticeText());
    QCOMPARE(info->findChild<QLabel *>(QStringLiteral("Bezeichnung7"))->text(), InfoWindow::creditText());
    QCOMPARE(info->findChild<QLabel *>(QStringLiteral("Bezeichnung1"))->text(), QStringLiteral("O k a y"));
    // Moved elsewhere, it comes back to its place when it is activated again.
    info->move(5, 5);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(info, &activate);
    QCOMPARE(info->pos().y(), (1024 - info->frameGeometry().height()) / 4);
}

void TestInfoWindow::threeWaysToCloseOnlyHide_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("O k a y") << 0;
    QTest::newRow("cross picture") << 1;
    QTest::newRow("close box") << 2;
}

void TestInfoWindow::threeWaysToCloseOnlyHide()
{
    QFETCH(int, way);
    openInfo();
    InfoWindow *info = m_shell->infoWindow();
    if (way == 0)
        QTest::mouseClick(info->findChild<QLabel *>(QStringLiteral("Bezeichnung1")), Qt::LeftButton);
    else if (way == 1)
        QTest::mouseClick(info->findChild<QAbstractButton *>(QStringLiteral("Bild1")), Qt::LeftButton);
    else
        info->close();
    QVERIFY(!info->isVisible());
    QCOMPARE(m_shell->infoWindow(), info);
    QVERIFY(m_shell->mainMenu()->isVisible());
    QCOMPARE(m_platform->quitCalls, 0);
}

void TestInfoWindow::untickedLockSurvivesClosingAndReopening()
{
    openInfo();
    auto *box = m_shell->infoWindow()->findChild<QCheckBox *>(QStringLiteral("Kontroll1"));
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!m_shell->printerLock().isSet());
    m_shell->infoWindow()->close();
    openInfo();
    QVERIFY(!box->isChecked());
    QVERIFY(!m_shell->printerLock().isSet());
}

void TestInfoWindow::lockCaptionIsWhiteBoldOnLightBlue()
{
    openInfo();
    auto *box = m_shell->infoWindow()->findChild<QCheckBox *>(QStringLiteral("Kontroll1"));
    QVERIFY(box->font().bold());
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect caption = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const QImage shown = box->grab().toImage().copy(caption);
    const int all = shown.width() * shown.height();
    const int lightBlue = pixelsNear(shown, QColor(128, 128, 255));
    const int white = pixelsNear(shown, Qt::white);
    // The light blue stands behind the whole caption; white strokes of text stand out on it.
    QVERIFY2(lightBlue > all / 2, qPrintable(QStringLiteral("%1 of %2 pixels light blue").arg(lightBlue).arg(all)));
    QVERIFY2(white > all / 20, qPrintable(QStringLiteral("%1 of %2 pixels white").arg(white).arg(all)));
}

QTEST_MAIN(TestInfoWindow)
#include "test_info_window.moc"
