// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/catch_game_window.h"

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
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>

namespace {
const QString windowTitleText = QStringLiteral("Zahlfange");
const QString endMessage = QStringLiteral("  Das Spiel ist beendet!");


constexpr int clientWidth = 7245; // twips
constexpr int clientHeight = 5085;
constexpr int twipsPerPoint = 20;
constexpr int cellPoints = 14;
constexpr qreal drawingPointSize = 13.5;
constexpr int nextDigitPointSize = 24;
constexpr int speedLabelPointSize = 8;
constexpr int millisecondsPerSecond = 1000;
constexpr int slowest = 10;
constexpr int fastest = 1;
constexpr int startSpeed = 7;
constexpr int initialInterval = 1000;

// Pixels of the window as it is shown, at its scale.
int cellToPixels(int cell, qreal scale)
{
    return qRound(qreal(cell * cellPoints * twipsPerPoint) / Twips::perPixel * scale);
}

int pointsToPixels(qreal points, qreal scale)
{
    return qRound(points * twipsPerPoint / Twips::perPixel * scale);
}
} // namespace

CatchGameWindow::CatchGameWindow(Platform &platform, RandomSource &random, CatchGameState &state)
    : m_platform(platform)
    , m_placement(this, platform, PlacementRule::EachVisit)
    , m_game(state, random)
    , m_drawColour(Look::ink)
{
    WindowSetup::fixedWindow(this, QStringLiteral("Form4"), windowTitleText, clientWidth, clientHeight);
    WindowSetup::setBackground(this, RewardLook::background);

    m_drawFont.setFamily(QStringLiteral("Sans Serif"));
    m_drawFont.setStyleHint(QFont::SansSerif);
    m_drawFont.setBold(true);
    m_drawFont.setPointSizeF(drawingPointSize);
    // Sharp glyphs: a print in the erase colour then wipes exactly what was printed.
    m_drawFont.setStyleStrategy(QFont::NoAntialias);

    buildControls();
    clearSurface();
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
        connect(button, &QPushButton::clicked, this, [this, move] { moveCursor(move); });
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
    m_speedBar->setAccessibleName(QStringLiteral("Geschwindigkeit"));
    setTabOrder(previous, m_speedBar);
    connect(m_speedBar, &QScrollBar::valueChanged, this, &CatchGameWindow::speedChanged);

    auto *slowLabel = new QLabel(QStringLiteral("langsam"), this);
    slowLabel->setObjectName(QStringLiteral("Bezeichnung2"));
    slowLabel->setGeometry(Twips::rect(6240, 240, 735, 255));
    slowLabel->setFont(labelFont);

    auto *playField = new RewardShape(RewardShape::Fill::Hollow, RewardLook::background, Look::shadowInk, this);
    playField->setObjectName(QStringLiteral("Figur2"));
    playField->setGeometry(Twips::rect(120, 720, 6975, 4215));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Zeit1"));
    m_timer->setInterval(initialInterval);
    connect(m_timer, &QTimer::timeout, this, &CatchGameWindow::timerTicked);

    // The arrow keys and Escape steer the game whichever control has the focus.
    installEventFilter(this);
    const auto children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);
}

void CatchGameWindow::prepareGame()
{
    m_drawColour = Look::ink;
    m_drawFont.setPointSizeF(drawingPointSize);
    clearSurface();
    m_game.start();
    m_nextDigit->setText(m_game.nextDigit());
    m_running = true;
    m_timer->setInterval(m_speedBar->value() * millisecondsPerSecond);
    m_timer->start();
    update();
}

void CatchGameWindow::moveCursor(CatchMove direction)
{
    if (!m_running || m_messageOpen)
        return;
    replay(m_game.move(direction));
}

void CatchGameWindow::timerTicked()
{
    // No jumps while a message box is open: the end message must come once, after the last catch.
    if (!m_running || m_messageOpen)
        return;
    replay(m_game.tick());
}

void CatchGameWindow::speedChanged(int value)
{
    m_timer->setInterval(value * millisecondsPerSecond);
    // Later arrow keys then move the cursor rather than the speed bar.
    m_leftButton->setFocus();
}

void CatchGameWindow::askToQuit()
{
    if (!m_running || m_messageOpen)
        return;
    if (RewardLook::confirmQuit(m_platform, windowTitleText, m_messageOpen))
        endGame();
}

void CatchGameWindow::replay(const CatchTurn &turn)
{
    if (!turn.prints.isEmpty()) {
        m_prints.append(turn.prints);
        print(turn.prints);
        update();
    }
    m_nextDigit->setText(m_game.nextDigit());
    if (turn.won)
        finishGame();
}

void CatchGameWindow::finishGame()
{
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
    hide();
    emit finished();
}

void CatchGameWindow::print(const QList<CellPrint> &prints)
{
    const qreal scale = m_placement.scale().factor();
    QFont font = m_drawFont;
    font.setPixelSize(pointsToPixels(m_drawFont.pointSizeF(), scale));
    QPainter painter(&m_surface);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    const int ascent = painter.fontMetrics().ascent();
    for (const CellPrint &print : prints) {
        // The background doubles as the erase colour: a print in it wipes the mark.
        painter.setPen(print.ink == Ink::Draw ? m_drawColour : RewardLook::background);
        painter.drawText(QPoint(cellToPixels(print.column, scale), cellToPixels(print.row, scale) + ascent),
                         QString(print.character));
    }
}

void CatchGameWindow::clearSurface()
{
    m_prints.clear();
    const qreal ratio = devicePixelRatioF();
    m_surface = QImage(size() * ratio, QImage::Format_RGB32);
    m_surface.setDevicePixelRatio(ratio);
    m_surface.fill(RewardLook::background);
}

void CatchGameWindow::centreOnScreen()
{
    m_placement.visit();
}

bool CatchGameWindow::handleKey(int key)
{
    switch (key) {
    case Qt::Key_Left: moveCursor(CatchMove::Left); return true;
    case Qt::Key_Up: moveCursor(CatchMove::Up); return true;
    case Qt::Key_Down: moveCursor(CatchMove::Down); return true;
    case Qt::Key_Right: moveCursor(CatchMove::Right); return true;
    case Qt::Key_Escape: askToQuit(); return true;
    default: return false;
    }
}

bool CatchGameWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        centreOnScreen();
    // A window shown at another scale prints the game so far afresh at that scale.
    if (event->type() == QEvent::Resize && m_surface.size() != size() * devicePixelRatioF()) {
        const QList<CellPrint> prints = m_prints;
        clearSurface();
        m_prints = prints;
        print(prints);
    }
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
    setFocus(Qt::OtherFocusReason);
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

void CatchGameWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_surface);
}
