// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/memory_game_window.h"

#include "rewards/memory_card.h"
#include "rewards/reward_look.h"
#include "rewards/reward_shape.h"
#include "shell/look.h"
#include "shell/platform.h"
#include "shell/twips.h"
#include "shell/window_setup.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QScopedValueRollback>

namespace {
const QString windowTitleText = QStringLiteral("Memory");
const QString helpText = QStringLiteral("Immer zwei Felder bilden ein Zahlenpaar, klicke") + CR
    + QStringLiteral("die Einzelfelder an und suche so Zahlenpaare!");
const QString praiseText = QStringLiteral("Prima, du hast es geschafft!") + CR;

// The board frame's border colour, which also covers a card lying face down.
const QColor &coveringColour = Look::panel;

constexpr int clientWidth = 6525; // twips
constexpr int clientHeight = 5805;
constexpr int cardWidth = 2535;
constexpr int cardHeight = 495;
constexpr int leftColumn = 1080;
constexpr int rightColumn = 3720;
constexpr int firstCardTop = 240;
constexpr int cardPitch = 600;
constexpr int cardsPerColumn = MemoryGame::cardCount / 2;
constexpr int cardPointSize = 18;
} // namespace

MemoryGameWindow::MemoryGameWindow(Platform &platform, RandomSource &random)
    : m_platform(platform)
    , m_random(random)
    , m_placement(this, platform, PlacementRule::Once)
{
    WindowSetup::fixedWindow(this, QStringLiteral("memo"), windowTitleText, clientWidth, clientHeight);
    WindowSetup::setBackground(this, RewardLook::background);

    buildControls();
    showBoard();
    WindowSetup::keepStrayKeysOffButtons(this);
}

void MemoryGameWindow::buildControls()
{
    auto *frame = new RewardShape(RewardShape::Fill::Hollow, RewardLook::background, coveringColour, this);
    frame->setObjectName(QStringLiteral("Figur3"));
    frame->setGeometry(Twips::rect(960, 120, 5415, 5535));

    auto *quitButton = new QPushButton(QStringLiteral("ENDE"), this);
    quitButton->setObjectName(QStringLiteral("Befehl1"));
    quitButton->setGeometry(Twips::rect(120, 120, 735, 495));
    connect(quitButton, &QPushButton::clicked, this, &MemoryGameWindow::askToQuit);

    auto *helpButton = new QPushButton(QStringLiteral("Hilfe"), this);
    helpButton->setObjectName(QStringLiteral("Befehl2"));
    helpButton->setGeometry(Twips::rect(120, 720, 735, 495));
    connect(helpButton, &QPushButton::clicked, this, &MemoryGameWindow::showHelp);

    for (int card = 1; card <= MemoryGame::cardCount; ++card) {
        auto *label = new MemoryCard(card, this);
        label->setObjectName(QStringLiteral("Bezeichnung%1").arg(card));
        const int place = (card - 1) % cardsPerColumn;
        const int left = card <= cardsPerColumn ? leftColumn : rightColumn;
        label->setGeometry(Twips::rect(left, firstCardTop + place * cardPitch, cardWidth, cardHeight));
        connect(label, &MemoryCard::clicked, this, &MemoryGameWindow::cardClicked);
        connect(label, &MemoryCard::stepped, this, [this](int from, MemoryGame::CardStep step) {
            m_cards.at(MemoryGame::cardBeside(from, step) - 1)->setFocus(Qt::OtherFocusReason);
        });
        m_cards.append(label);
    }
}

void MemoryGameWindow::cardClicked(int card)
{
    if (m_messageOpen)
        return;
    const MemoryGame::ClickResult result = m_game.clickCard(card, m_random);
    showBoard();
    if (result == MemoryGame::ClickResult::AllPairsFound)
        finishGame();
}

void MemoryGameWindow::showHelp()
{
    if (m_messageOpen)
        return;
    const QScopedValueRollback guard(m_messageOpen, true);
    showInfo(m_platform, helpText, windowTitleText);
}

void MemoryGameWindow::askToQuit()
{
    if (m_messageOpen)
        return;
    if (RewardLook::confirmQuit(m_platform, windowTitleText, m_messageOpen))
        leave();
}

void MemoryGameWindow::finishGame()
{
    {
        const QScopedValueRollback guard(m_messageOpen, true);
        showInfo(m_platform, praiseText, windowTitleText);
    }
    m_game.resetBoard();
    showBoard();
    leave();
}

void MemoryGameWindow::leave()
{
    if (!isVisible())
        return;
    hide();
    emit finished();
}

void MemoryGameWindow::showBoard()
{
    for (MemoryCard *label : std::as_const(m_cards)) {
        const int card = label->number();
        const bool found = m_game.look(card) == MemoryGame::CardLook::Found;
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, found ? Look::foundCard : coveringColour);
        pal.setColor(QPalette::WindowText, Look::light);
        label->setPalette(pal);
        QFont font = label->font();
        font.setBold(true);
        font.setPointSize(cardPointSize);
        font.setItalic(found);
        label->setFont(font);
        label->setText(m_game.caption(card));
        // Only a change is announced to a screen reader.
        if (const QString spoken = m_game.spokenName(card); label->accessibleName() != spoken)
            label->setAccessibleName(spoken);
    }
}

void MemoryGameWindow::showEvent(QShowEvent *event)
{
    // Placed once; afterwards the window comes back wherever the pupil left it.
    m_placement.visit();
    // The keys come back to the card they left, never to a command a stray key would press.
    auto *card = qobject_cast<MemoryCard *>(focusWidget());
    (card ? card : m_cards.first())->setFocus(Qt::OtherFocusReason);
    QWidget::showEvent(event);
}

void MemoryGameWindow::closeEvent(QCloseEvent *event)
{
    // The box that is open finishes its own way.
    if (m_messageOpen) {
        event->ignore();
        return;
    }
    // Like quitting with "ENDE": back to the trainer, board kept for the next time.
    event->accept();
    leave();
}
