// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/info_window.h"
#include "rewards/catch_game_window.h"
#include "rewards/memory_game_window.h"
#include "trainer_multi/multi_row_trainer_window.h"
#include "trainer_single/single_row_trainer_window.h"

#include "shell/twips.h"
#include "support/drop.h"
#include "support/shell_test.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWheelEvent>
#include <functional>

namespace {
using Opener = std::function<QWidget *(AppShell &)>;

// 1024 × 768 pixels at a scale factor of 3.
const QSize smallScreen(1024 / 3, 768 / 3);

QWidget *trainer(AppShell &shell, TrainerWindow *window)
{
    shell.start();
    window == shell.singleRowTrainer() ? shell.openSingleRowTrainer()
        : window == shell.twoRowTrainer() ? shell.openTwoRowTrainer()
                                          : shell.openThreeRowTrainer();
    // Shortcuts work in the active window.
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the trainer did not become active");
    return window;
}
const Opener singleRow = [](AppShell &shell) { return trainer(shell, shell.singleRowTrainer()); };
const Opener twoRows = [](AppShell &shell) { return trainer(shell, shell.twoRowTrainer()); };
const Opener threeRows = [](AppShell &shell) { return trainer(shell, shell.threeRowTrainer()); };

// A layout rectangle (pixels at scale 1) as a window shows it at a scale.
QRect scaled(const QRect &layout, qreal factor)
{
    const int left = qRound(layout.x() * factor);
    const int top = qRound(layout.y() * factor);
    return QRect(left, top, qRound((layout.x() + layout.width()) * factor) - left,
                 qRound((layout.y() + layout.height()) * factor) - top);
}

// Every control's place and font.
QList<std::pair<QRect, QFont>> lookOf(QWidget *window)
{
    QList<std::pair<QRect, QFont>> look;
    const auto controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls)
        look.append({control->geometry(), control->font()});
    return look;
}
} // namespace

Q_DECLARE_METATYPE(Opener)

class TestWindowFit : public ShellTest {
    Q_OBJECT
private slots:
    void everyWindowFitsASmallScreenAndStaysUsable_data();
    void everyWindowFitsASmallScreenAndStaysUsable();
    void zoomKeysResizeATrainerInSteps_data();
    void zoomKeysResizeATrainerInSteps();
    void zoomedTrainerPlacesWhatMovesAtItsScale();
    void zoomGoesAlongToTheNextTrainer();
};

void TestWindowFit::everyWindowFitsASmallScreenAndStaysUsable_data()
{
    QTest::addColumn<Opener>("open");
    QTest::newRow("main menu") << Opener([](AppShell &shell) {
        shell.start();
        return shell.mainMenu();
    });
    QTest::newRow("info window") << Opener([](AppShell &shell) {
        shell.start();
        shell.openInfoWindow();
        return shell.infoWindow();
    });
    QTest::newRow("one-row trainer") << singleRow;
    QTest::newRow("two-row trainer") << twoRows;
    QTest::newRow("three-row trainer") << threeRows;
    QTest::newRow("catch game") << Opener([](AppShell &shell) {
        shell.startCatchGame(static_cast<TrainerWindow *>(singleRow(shell)));
        return shell.catchGame();
    });
    QTest::newRow("memory game") << Opener([](AppShell &shell) {
        shell.startMemoryGame(static_cast<TrainerWindow *>(singleRow(shell)));
        return shell.memoryGame();
    });
}

void TestWindowFit::everyWindowFitsASmallScreenAndStaysUsable()
{
    QFETCH(Opener, open);
    m_platform->screen = smallScreen;
    QWidget *window = open(*m_shell);
    QVERIFY(window->isVisible());
    QVERIFY(QRect(QPoint(), smallScreen).contains(window->frameGeometry()));
    // Shown as large as fits: one side fills the screen.
    const QSize framed = window->frameGeometry().size();
    QVERIFY(framed.width() == smallScreen.width() || framed.height() == smallScreen.height());
    const auto controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (control->isWindow() || !control->isVisible())
            continue;
        const QByteArray nameText = control->objectName().toUtf8();
        const char *name = nameText.constData();
        QVERIFY2(window->rect().contains(QRect(control->mapTo(window, QPoint()), control->size())), name);
        auto *label = qobject_cast<QLabel *>(control);
        auto *button = qobject_cast<QAbstractButton *>(control);
        if (label && !label->pixmap().isNull())
            QCOMPARE(label->pixmap().deviceIndependentSize(), QSizeF(label->size()));
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (auto *box = qobject_cast<QCheckBox *>(control)) { // the text beside the tick box
            QStyleOptionButton option;
            option.initFrom(box);
            const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
            QVERIFY2(box->fontMetrics().horizontalAdvance(text) <= room.width(), name);
        } else if (!text.isEmpty() && !(label && label->wordWrap())) {
            QVERIFY2(control->fontMetrics().tightBoundingRect(text).width() <= control->width(), name);
        }
    }
}

void TestWindowFit::zoomKeysResizeATrainerInSteps_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("wheelNotches");
    QTest::addColumn<qreal>("factor");
    QTest::newRow("Ctrl+Plus") << singleRow << "Ctrl++" << 0 << 1.25;
    QTest::newRow("Ctrl+Plus on the keypad") << singleRow << "Ctrl+Num++" << 0 << 1.25;
    QTest::newRow("twice larger, once smaller") << singleRow << "Ctrl++ Ctrl++ Ctrl+-" << 0 << 1.25;
    QTest::newRow("Ctrl+Minus") << twoRows << "Ctrl+-" << 0 << 0.8;
    QTest::newRow("Ctrl+Minus on the keypad") << threeRows << "Ctrl+Num+-" << 0 << 0.8;
    QTest::newRow("down to half the size") << singleRow << QStringList(6, "Ctrl+-").join(' ') << 0 << 0.5;
    QTest::newRow("as far as the screen allows") << singleRow << QStringList(12, "Ctrl++").join(' ') << 0
                                                 << 0.0;
    QTest::newRow("Ctrl+0 after zooming") << singleRow << "Ctrl++ Ctrl++ Ctrl+0" << 0 << 1.0;
    QTest::newRow("Ctrl+0 on the keypad") << threeRows << "Ctrl+- Ctrl+Num+0" << 0 << 1.0;
    QTest::newRow("Ctrl+wheel forward") << twoRows << "" << 2 << 1.5;
    QTest::newRow("Ctrl+wheel back") << singleRow << "" << -1 << 0.8;
}

void TestWindowFit::zoomKeysResizeATrainerInSteps()
{
    QFETCH(Opener, open);
    QFETCH(QString, keys);
    QFETCH(int, wheelNotches);
    QFETCH(qreal, factor);
    QWidget *window = open(*m_shell);
    if (factor == 0) // so large that the window with its frame is as wide as the screen
        factor = (1280 - window->frameGeometry().width() + window->width()) / qreal(window->width());
    const QSize layoutSize = window->size();
    const auto layoutLook = lookOf(window);
    const auto tile = window->findChild<QWidget *>(QStringLiteral("Befehl11"));
    const QRect tileLayout = tile->geometry();

    for (const QString &key : keys.split(' ', Qt::SkipEmptyParts))
        QTest::keySequence(window, QKeySequence(key));
    if (wheelNotches) {
        QWheelEvent wheel(QPointF(10, 10), window->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, 120 * wheelNotches), Qt::NoButton, Qt::ControlModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(window, &wheel);
    }

    QCOMPARE(window->size(), layoutSize * factor);
    const QSize framed = window->frameGeometry().size();
    QCOMPARE(window->frameGeometry().topLeft(), QPoint((1280 - framed.width()) / 2, (1024 - framed.height()) / 2));
    QCOMPARE(tile->geometry(), scaled(tileLayout, factor));
    QCOMPARE(tile->font().pointSizeF(), 12 * factor);
    QTest::keySequence(window, QKeySequence(QStringLiteral("Ctrl+0")));
    QVERIFY(lookOf(window) == layoutLook);
}

// The rocket, the gap panel and the worksheet are moved while the trainer is shown.
void TestWindowFit::zoomedTrainerPlacesWhatMovesAtItsScale()
{
    m_random->append(singleRowDraws(1, 2, 3, 4, 3));
    QWidget *window = singleRow(*m_shell);
    auto control = [window](const char *name) { return window->findChild<QWidget *>(QString::fromLatin1(name)); };
    QTest::keySequence(window, QKeySequence(QStringLiteral("Ctrl++, Ctrl++")));
    const qreal factor = 1.5;
    QCOMPARE(window->width(), qRound(7830 / 15 * factor));

    const QRect rocketStart = scaled(Twips::rect(7080, 4680, 495, 495), factor);
    QCOMPARE(control("Bild1")->geometry(), rocketStart);
    for (const auto &[field, digit] : QList<std::pair<const char *, QString>>{
             {"Bezeichnung11", "3"}, {"Bezeichnung12", "7"}, {"Bezeichnung13", "0"}, {"Bezeichnung17", "2"}})
        QVERIFY(dropTile(control(field), digit));
    QCOMPARE(m_platform->messages.size(), 1); // solved
    QCOMPARE(control("Bild1")->x(), rocketStart.x());
    QVERIFY(control("Bild1")->y() < rocketStart.y());

    QTest::mouseClick(static_cast<QAbstractButton *>(control("Befehl12")), Qt::LeftButton); // "Lücke"
    QCOMPARE(control("Figur6")->geometry(), scaled(Twips::rect(960, 840, 5895, 3615), factor));
    QCOMPARE(control("Bild6")->geometry(), QRect(QPoint(), control("Figur6")->size())); // covers all of it
    QTest::mouseClick(static_cast<QAbstractButton *>(control("Befehl14")), Qt::LeftButton); // "Blatt"
    QCOMPARE(control("Bild3")->geometry(), scaled(Twips::rect(960, 120, 5895, 615), factor));
    QCOMPARE(control("Liste5")->geometry(), scaled(Twips::rect(960, 840, 5895, 4590), factor));
}

void TestWindowFit::zoomGoesAlongToTheNextTrainer()
{
    QWidget *first = singleRow(*m_shell);
    QTest::keySequence(first, QKeySequence(QStringLiteral("Ctrl++")));
    QTest::mouseClick(first->findChild<QAbstractButton *>(QStringLiteral("Befehl1")), Qt::LeftButton); // "Ende"
    QVERIFY(!first->isVisible());
    QWidget *next = twoRows(*m_shell);
    QCOMPARE(next->width(), first->width());
    QCOMPARE(next->width(), qRound(7830 / 15 * 1.25));
}

QTEST_MAIN(TestWindowFit)
#include "test_window_fit.moc"
