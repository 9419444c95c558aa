// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/info_window.h"
#include "rewards/catch_game_window.h"
#include "rewards/memory_game_window.h"
#include "trainer_multi/multi_row_trainer_window.h"
#include "trainer_single/single_row_trainer_window.h"

#include "shell/look.h"
#include "shell/twips.h"
#include "support/drop.h"
#include "support/shell_test.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QListWidget>
#include <QScrollBar>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWheelEvent>
#include <algorithm>
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

// Whether a control stands where its layout place (pixels at scale 1) comes at a
// scale: every edge within a pixel of it.
bool standsScaled(const QRect &shown, const QRect &layout, qreal factor)
{
    const auto near = [factor](int shownEdge, int layoutEdge) { return qAbs(shownEdge - layoutEdge * factor) <= 1; };
    return near(shown.left(), layout.left()) && near(shown.top(), layout.top())
        && near(shown.left() + shown.width(), layout.left() + layout.width())
        && near(shown.top() + shown.height(), layout.top() + layout.height());
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
    void ctrlWheelOverTheSheetsScrollBarZoomsToo();
    void captionsStandInsideTheFocusFrame_data();
    void captionsStandInsideTheFocusFrame();
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
    if (factor == 0) // so large that the window with its frame is as wide or as high as the screen
        factor = std::min((1280 - window->frameGeometry().width() + window->width()) / qreal(window->width()),
                          (1024 - window->frameGeometry().height() + window->height()) / qreal(window->height()));
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
    QVERIFY(standsScaled(tile->geometry(), tileLayout, factor));
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

    const QRect rocketStart = control("Bild1")->geometry();
    QVERIFY(standsScaled(rocketStart, Twips::rect(7080, 4680, 495, 495), factor));
    for (const auto &[field, digit] : QList<std::pair<const char *, QString>>{
             {"Bezeichnung11", "3"}, {"Bezeichnung12", "7"}, {"Bezeichnung13", "0"}, {"Bezeichnung17", "2"}})
        QVERIFY(dropTile(control(field), digit));
    QCOMPARE(m_platform->messages.size(), 1); // solved
    QVERIFY(standsScaled(control("Bild1")->geometry(), Twips::rect(7080, 4680 - 240, 495, 495), factor));

    QTest::mouseClick(static_cast<QAbstractButton *>(control("Befehl12")), Qt::LeftButton); // "Lücke"
    QVERIFY(standsScaled(control("Figur6")->geometry(), Twips::rect(960, 840, 5895, 3615), factor));
    QCOMPARE(control("Bild6")->geometry(), QRect(QPoint(), control("Figur6")->size())); // covers all of it
    QTest::mouseClick(static_cast<QAbstractButton *>(control("Befehl14")), Qt::LeftButton); // "Blatt"
    QVERIFY(standsScaled(control("Bild3")->geometry(), Twips::rect(960, 120, 5895, 615), factor));
    QVERIFY(standsScaled(control("Liste5")->geometry(), Twips::rect(960, 840, 5895, 4590), factor));
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

void TestWindowFit::ctrlWheelOverTheSheetsScrollBarZoomsToo()
{
    QWidget *window = singleRow(*m_shell);
    const int width = window->width();
    QTest::mouseClick(window->findChild<QAbstractButton *>(QStringLiteral("Befehl14")), Qt::LeftButton); // "Blatt"
    QScrollBar *bar = window->findChild<QListWidget *>(QStringLiteral("Liste5"))->verticalScrollBar();
    QWheelEvent wheel(QPointF(2, 2), bar->mapToGlobal(QPointF(2, 2)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &wheel);
    QCOMPARE(window->width(), qRound(width * 0.8));
    QCOMPARE(bar->value(), 0);
}

void TestWindowFit::captionsStandInsideTheFocusFrame_data()
{
    QTest::addColumn<int>("stepsOut");
    QTest::newRow("at half the size") << 6;
    QTest::newRow("a little smaller") << 1;
}

// The focus frame's rings keep their width whatever the zoom: a caption fits between them.
void TestWindowFit::captionsStandInsideTheFocusFrame()
{
    QFETCH(int, stepsOut);
    QWidget *window = twoRows(*m_shell);
    for (int step = 0; step < stepsOut; ++step)
        QTest::keySequence(window, QKeySequence(QStringLiteral("Ctrl+-")));
    QList<qreal> sizes;
    for (const char *name : {"Befehl1", "Befehl15", "Befehl21", "Befehl12", "Befehl13", "Befehl14"}) {
        auto *command = window->findChild<QAbstractButton *>(QString::fromLatin1(name));
        const int room = command->width() - 4 * Look::focusRingWidth;
        QVERIFY2(QFontMetrics(command->font()).horizontalAdvance(command->text()) <= room, name);
        sizes.append(command->font().pointSizeF());
    }
    QCOMPARE(std::count(sizes.cbegin(), sizes.cend(), sizes.first()), sizes.size()); // one size for the whole bar
}

QTEST_MAIN(TestWindowFit)
#include "test_window_fit.moc"
