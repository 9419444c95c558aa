// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/digit_field.h"

#include "shell/look.h"
#include "shell/picture_button.h"
#include "support/drop.h"

#include <QDragLeaveEvent>
#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <QSignalSpy>
#include <QtTest/QTest>

// While a tile is dragged over a field that would take it, the field is
// framed; the frame goes when the pointer leaves or the drop is done. Checked
// with real drag events and the pixels the field draws.
class TestDigitField : public QObject {
    Q_OBJECT
private slots:
    void highlightFollowsTheDrag_data();
    void highlightFollowsTheDrag();
    void focusFrameStandsOnWhateverTheKeysPress();
};

namespace {
enum class Step { EnterWithDigit, EnterWithOther, Leave, Drop };

bool framed(DigitField &field)
{
    const QImage image = field.grab().toImage();
    const QColor frame = DigitField::highlightColour();
    // All four edges: the frame goes round the whole field.
    return image.pixelColor(1, image.height() / 2) == frame
        && image.pixelColor(image.width() - 2, image.height() / 2) == frame
        && image.pixelColor(image.width() / 2, 1) == frame
        && image.pixelColor(image.width() / 2, image.height() - 2) == frame;
}
} // namespace

void TestDigitField::highlightFollowsTheDrag_data()
{
    QTest::addColumn<bool>("fieldShown");
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<bool>("lit");
    QTest::addColumn<int>("drops");
    using S = Step;
    QTest::newRow("a tile over the field lights it") << true << QList<S>{S::EnterWithDigit} << true << 0;
    QTest::newRow("the light goes when the pointer leaves")
        << true << QList<S>{S::EnterWithDigit, S::Leave} << false << 0;
    QTest::newRow("the light goes with the drop") << true << QList<S>{S::EnterWithDigit, S::Drop} << false << 1;
    QTest::newRow("it comes back on the next drag")
        << true << QList<S>{S::EnterWithDigit, S::Drop, S::EnterWithDigit} << true << 1;
    QTest::newRow("something other than a tile does not light it")
        << true << QList<S>{S::EnterWithOther} << false << 0;
    QTest::newRow("a hidden field does not light up") << false << QList<S>{S::EnterWithDigit} << false << 0;
    QTest::newRow("a hidden field takes no drop") << false << QList<S>{S::EnterWithDigit, S::Drop} << false << 0;
}

void TestDigitField::highlightFollowsTheDrag()
{
    QFETCH(bool, fieldShown);
    QFETCH(QList<Step>, steps);
    QFETCH(bool, lit);
    QFETCH(int, drops);

    QWidget window;
    window.resize(100, 100);
    DigitField field(&window);
    field.setGeometry(10, 10, 33, 41);
    field.setAutoFillBackground(true);
    field.setVisible(fieldShown);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy dropped(&field, &DigitField::digitDropped);

    QMimeData tile;
    tile.setData(DigitDrag::mimeType, "7");
    QMimeData other;
    other.setText(QStringLiteral("7"));
    const QPoint centre = field.rect().center();
    for (Step step : steps) {
        switch (step) {
        case Step::EnterWithDigit:
        case Step::EnterWithOther: {
            QDragEnterEvent enter(centre, Qt::CopyAction, step == Step::EnterWithDigit ? &tile : &other,
                                  Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&field, &enter);
            break;
        }
        case Step::Leave: {
            QDragLeaveEvent leave;
            QApplication::sendEvent(&field, &leave);
            break;
        }
        case Step::Drop: {
            QDropEvent drop(QPointF(centre), Qt::CopyAction, &tile, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&field, &drop);
            break;
        }
        }
    }
    QCOMPARE(field.isHighlighted(), lit);
    QCOMPARE(framed(field), lit);
    QCOMPARE(dropped.count(), drops);
}

// A command under the program's style and a picture button show the fields'
// two rings while they hold the focus, and nothing of them without it.
void TestDigitField::focusFrameStandsOnWhateverTheKeysPress()
{
    QApplication::setStyle(Look::focusFrameStyle());
    QWidget window;
    window.resize(200, 100);
    QPushButton command(QStringLiteral("Lücke"), &window);
    command.setGeometry(10, 10, 80, 40);
    PictureButton picture([](QSize size, qreal) { return QPixmap(size); }, QStringLiteral("Info"), &window);
    picture.setGeometry(100, 10, 40, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (QWidget *button : {static_cast<QWidget *>(&command), static_cast<QWidget *>(&picture)}) {
        const auto rings = [button] {
            const QImage seen = button->grab().toImage();
            return seen.pixelColor(0, seen.height() / 2) == Look::focusFrame
                && seen.pixelColor(Look::focusRingWidth, seen.height() / 2) == Look::focusFrameInner;
        };
        button->clearFocus(); // the window gave it to the first button
        QVERIFY(!rings());
        button->setFocus(Qt::TabFocusReason);
        QVERIFY(rings());
    }
}

QTEST_MAIN(TestDigitField)
#include "test_digit_field.moc"
