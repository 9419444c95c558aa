// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/catch_game_window.h"

#include "rewards/catch_board.h"
#include "rewards/reward_look.h"
#include "rewards/reward_shape.h"
#include "rewards/triangle_button.h"
#include "shell/look.h"
#include "shell/platform.h"
#include "shell/twips.h"
#include "shell/window_setup.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>

namespace {
const QString windowTitleText = QStringLiteral("Zahlfange");
const QString endMessage = QStringLiteral("  Das Spiel ist beendet!");

constexpr int clientWidth = 7245; // twips
constexpr int clientHeight = 5085;
constexpr int nextDigitPointSize = 24;
constexpr int speedLabelPointSize = 8;
constexpr int millisecondsPerSecond = 1000;
constexpr int slowest = 10;
constexpr int fastest = 1;
constexpr int startSpeed = 7;
constexpr int initialInterval = 1000;
constexpr int walkStepMilliseconds = 60; // a tapped cell is reached step by step, each step seen

} // namespace

CatchGameWindow::CatchGameWindow(Platform &platform, RandomSource &random, CatchGameState &state)
    : m_platform(platform)
    , m_placement(this, platform, PlacementRule::EachVisit)
    , m_game(state, random)
{
    WindowSetup::fixedWindow(this, QStringLiteral("Form4"), windowTitleText, clientWidth, clientHeight);
    WindowSetup::setBackground(this, RewardLook::background);

    buildControls();
    WindowSetup::keepStrayKeysOffButtons(this);
}

void CatchGameWindow::buildControls()
{
    m_quitButton = new QPushButton(QStringLiteral("ENDE"), this);
    m_quitButton->setObjectName(QStringLiteral("Befehl1"));
    m_quitButton->setGeometry(Twips::rect(120, 120, 735, 495));
    connect(m_quitButton, &QPushButton::clicked, this, &CatchGameWindow::askToQuit);

    struct ArrowLayout {
        const char *name;
        TriangleButton::Direction direction;
        CatchMove move;
        QString accessibleName;
        int left;
    };
    const ArrowLayout arrows[] = {
        {"Bild1", TriangleButton::Direction::Left, CatchMove::Left, QStringLiteral("Nach links"), 1200},
        {"Bild2", TriangleButton::Direction::Up, CatchMove::Up, QStringLiteral("Nach oben"), 1680},
        {"Bild3", TriangleButton::Direction::Down, CatchMove::Down, QStringLiteral("Nach unten"), 2160},
        {"Bild4", TriangleButton::Direction::Right, CatchMove::Right, QStringLiteral("Nach rechts"), 2640},
    };
    QPushButton **targets[] = {&m_leftButton, &m_upButton, &m_downButton, &m_rightButton};
    QWidget *previous = m_quitButton;
    for (int i = 0; i < 4; ++i) {
        auto *button = new TriangleButton(arrows[i].direction, this);
        button->setObjectName(QString::fromLatin1(arrows[i].name));
        button->setAccessibleName(arrows[i].accessibleName);
        button->setToolTip(arrows[i].accessibleName);
        button->setGeometry(Twips::rect(arrows[i].left, 120, 495, 495));
        const CatchMove move = arrows[i].move;
        connect(button, &QPushButton::clicked, this, [this, move] { steer(move); });
        setTabOrder(previous, button);
        previous = button;
        *targets[i] = button;
    }

    m_nextDigit = new QLabel(CatchGame::allDigits().left(1), this);
    m_nextDigit->setObjectName(QStringLiteral("Bezeichnung3"));
    m_nextDigit->setGeometry(Twips::rect(3480, 120, 375, 495));
    QFont digitFont = m_nextDigit->font();
    digitFont.setBold(true);
    digitFont.setPointSize(nextDigitPointSize);
    m_nextDigit->setFont(digitFont);
    QPalette digitPalette = m_nextDigit->palette();
    digitPalette.setColor(QPalette::WindowText, Look::alertInk);
    m_nextDigit->setPalette(digitPalette);

    auto *speedPanel = new RewardShape(RewardShape::Fill::Solid, RewardLook::background, Look::shadowInk, this);
    speedPanel->setObjectName(QStringLiteral("Figur1"));
    speedPanel->setGeometry(Twips::rect(4200, 120, 2895, 495));

    auto *fastLabel = new QLabel(QStringLiteral("schnell"), this);
    fastLabel->setObjectName(QStringLiteral("Bezeichnung1"));
    fastLabel->setGeometry(Twips::rect(4320, 240, 735, 255));
    QFont labelFont = fastLabel->font();
    labelFont.setPointSize(speedLabelPointSize);
    fastLabel->setFont(labelFont);

    m_speedBar = new QScrollBar(Qt::Horizontal, this);
    m_speedBar->setObjectName(QStringLiteral("HBildlauf1"));
    m_speedBar->setGeometry(Twips::rect(5040, 240, 1095, 255));
    m_speedBar->setRange(fastest, slowest);
    m_speedBar->setSingleStep(1);
    m_speedBar->setPageStep(1);
    m_speedBar->setValue(startSpeed);
    m_speedBar->setFocusPolicy(Qt::StrongFocus);
    m_speedBar->setAccessibleName(CatchGame::spokenSpeed(startSpeed));
    // The arrow keys belong to the game; the page keys still set the speed.
    m_speedBar->setAccessibleDescription(QStringLiteral("Bild auf: schneller, Bild ab: langsamer"));
    setTabOrder(previous, m_speedBar);
    connect(m_speedBar, &QScrollBar::valueChanged, this, &CatchGameWindow::speedChanged);

    auto *slowLabel = new QLabel(QStringLiteral("langsam"), this);
    slowLabel->setObjectName(QStringLiteral("Bezeichnung2"));
    slowLabel->setGeometry(Twips::rect(6240, 240, 735, 255));
    slowLabel->setFont(labelFont);

    m_board = new CatchBoard(m_game, this);
    setTabOrder(m_speedBar, m_board);
    connect(m_board, &CatchBoard::cellTapped, this, &CatchGameWindow::cellTapped);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Zeit1"));
    m_timer->setInterval(initialInterval);
    connect(m_timer, &QTimer::timeout, this, &CatchGameWindow::timerTicked);
    m_walkTimer = new QTimer(this);
    m_walkTimer->setSingleShot(true);
    m_walkTimer->setInterval(walkStepMilliseconds);
    connect(m_walkTimer, &QTimer::timeout, this, &CatchGameWindow::walkOn);

    // The arrow keys and Escape steer the game whichever control has the focus.
    installEventFilter(this);
    const auto children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);
}

void CatchGameWindow::prepareGame()
{
    m_walkTimer->stop();
    m_game.start();
    m_running = true;
    m_timer->setInterval(m_speedBar->value() * millisecondsPerSecond);
    m_timer->start();
    showGame();
}

void CatchGameWindow::steer(CatchMove direction)
{
    m_walkTimer->stop();
    moveCursor(direction);
}

void CatchGameWindow::moveCursor(CatchMove direction)
{
    if (!m_running || m_messageOpen)
        return;
    showTurn(m_game.move(direction));
}

void CatchGameWindow::cellTapped(int column, int row)
{
    if (!m_running || m_messageOpen)
        return;
    m_walkTarget = QPoint(column, row);
    walkOn();
}

// One step of the walk to the tapped cell, each a move as an arrow key makes.
void CatchGameWindow::walkOn()
{
    const std::optional<CatchMove> step = m_game.stepToward(m_walkTarget.x(), m_walkTarget.y());
    if (!step || !m_running || m_messageOpen)
        return;
    moveCursor(*step);
    if (m_running && m_game.stepToward(m_walkTarget.x(), m_walkTarget.y()))
        m_walkTimer->start();
}

void CatchGameWindow::timerTicked()
{
    // No jumps while a message box is open: the end message must come once, after the last catch.
    if (!m_running || m_messageOpen)
        return;
    showTurn(m_game.tick());
}

void CatchGameWindow::speedChanged(int value)
{
    m_timer->setInterval(value * millisecondsPerSecond);
    WindowSetup::nameForScreenReader(m_speedBar, CatchGame::spokenSpeed(value));
    // Later arrow keys then move the cursor rather than the speed bar.
    m_leftButton->setFocus();
}

void CatchGameWindow::askToQuit()
{
    if (!m_running || m_messageOpen)
        return;
    m_walkTimer->stop();
    if (RewardLook::confirmQuit(m_platform, windowTitleText, m_messageOpen))
        endGame();
}

void CatchGameWindow::showTurn(const CatchTurn &turn)
{
    showGame();
    if (turn.won)
        finishGame();
}

void CatchGameWindow::showGame()
{
    m_nextDigit->setText(m_game.nextDigit());
    WindowSetup::nameForScreenReader(m_nextDigit, m_game.spokenNextDigit());
    m_board->showGame();
}

void CatchGameWindow::finishGame()
{
    m_walkTimer->stop();
    {
        const QScopedValueRollback guard(m_messageOpen, true);
        showInfo(m_platform, endMessage, windowTitleText);
    }
    endGame();
}

void CatchGameWindow::endGame()
{
    if (!m_running && !isVisible())
        return;
    m_running = false;
    m_timer->stop();
    m_walkTimer->stop();
    hide();
    emit finished();
}

void CatchGameWindow::centreOnScreen()
{
    m_placement.visit();
}

bool CatchGameWindow::handleKey(int key)
{
    switch (key) {
    case Qt::Key_Left: steer(CatchMove::Left); return true;
    case Qt::Key_Up: steer(CatchMove::Up); return true;
    case Qt::Key_Down: steer(CatchMove::Down); return true;
    case Qt::Key_Right: steer(CatchMove::Right); return true;
    case Qt::Key_Escape: askToQuit(); return true;
    default: return false;
    }
}

bool CatchGameWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        centreOnScreen();
    return QWidget::event(event);
}

bool CatchGameWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent *>(event)->key());
    return QWidget::eventFilter(watched, event);
}

void CatchGameWindow::showEvent(QShowEvent *event)
{
    centreOnScreen();
    // A screen reader follows the field from the start.
    m_board->setFocus(Qt::OtherFocusReason);
    QWidget::showEvent(event);
}

void CatchGameWindow::closeEvent(QCloseEvent *event)
{
    // The box that is open finishes the game its own way.
    if (m_messageOpen) {
        event->ignore();
        return;
    }
    // The trainer is hidden while a game runs: closing must lead back to it, as quitting does.
    event->accept();
    endGame();
}
