// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_menu_window.h"

#include "app/main_menu_texts.h"
#include "shell/look.h"
#include "shell/picture_button.h"
#include "shell/pictures.h"
#include "shell/platform.h"
#include "shell/qt_platform.h"
#include "shell/window_setup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

using namespace WindowSetup;
using Pictures::TileSymbol;

namespace {
constexpr int clientWidth = 6300;
constexpr int clientHeight = 6705;
constexpr int buttonSize = 495;
} // namespace

MainMenuWindow::MainMenuWindow(Platform &platform)
    : m_platform(platform)
    , m_placement(this, platform, PlacementRule::Once)
{
    fixedWindow(this, QStringLiteral("Form0"), MainMenuTexts::caption(), clientWidth, clientHeight);
    setBackground(this, Look::menu);

    // Each picture button carries a short caption beneath it, so a pupil who
    // cannot read the pictures yet still finds the way.
    auto addButton = [this](const char *name, TileSymbol symbol, const QString &accessibleName,
                            const QString &caption, int left, int top) {
        auto *button = new PictureButton(Pictures::greenTileDrawing(symbol), accessibleName, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(Twips::rect(left, top, buttonSize, buttonSize));
        auto *text = label(this, QString::fromLatin1(name) + QStringLiteral("Text"), caption,
                           Twips::rect(left - 600, top + buttonSize + 30, buttonSize + 1200, 270));
        text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        text->setFont(WindowSetup::font(8.25, true));
        text->setBuddy(button);
        return button;
    };

    auto *exitButton = addButton("Bild3", TileSymbol::Cross, QStringLiteral("Beenden"),
                                 QStringLiteral("Beenden"), 720, 840);
    auto *singleButton =
        addButton("Bild1", TileSymbol::Dot, QStringLiteral("Einreihige Multiplikation"),
                  QStringLiteral("Einreihig"), 2880, 840);
    auto *infoButton = addButton("Bild4", TileSymbol::Info, QStringLiteral("Info"),
                                 QStringLiteral("Info"), 5040, 840);
    auto *twoButton =
        addButton("Bild2", TileSymbol::Dot, QStringLiteral("Zweireihige Multiplikation"),
                  QStringLiteral("Zweireihig"), 3480, 4800);
    auto *threeButton =
        addButton("Bild6", TileSymbol::Dot, QStringLiteral("Dreireihige Multiplikation"),
                  QStringLiteral("Dreireihig"), 5040, 4800);

    connect(exitButton, &QAbstractButton::clicked, this, &MainMenuWindow::confirmExit);
    connect(singleButton, &QAbstractButton::clicked, this, &MainMenuWindow::singleRowTrainerRequested);
    connect(infoButton, &QAbstractButton::clicked, this, &MainMenuWindow::infoRequested);
    connect(twoButton, &QAbstractButton::clicked, this, &MainMenuWindow::twoRowTrainerRequested);
    connect(threeButton, &QAbstractButton::clicked, this, &MainMenuWindow::threeRowTrainerRequested);

    m_help = new QPlainTextEdit(this);
    m_help->setObjectName(QStringLiteral("Text1"));
    m_help->setGeometry(Twips::rect(840, 1800, 4575, 2055));
    m_help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_help->setFont(WindowSetup::font(9.75, true));
    setColours(m_help, Look::light, Look::darkSurface);
    // The text's colours would leave the scroll bar with white arrows on light buttons.
    QScrollBar *helpScrollBar = m_help->verticalScrollBar();
    QPalette standard = QApplication::palette(helpScrollBar);
    standard.setResolveMask(~QPalette::ResolveMask(0));
    helpScrollBar->setPalette(standard);
    m_help->setAccessibleName(QStringLiteral("Hilfe"));
    // The pupil may scroll and select; any edit is replaced by the full text.
    m_help->setReadOnly(true);
    m_help->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    connect(m_help, &QPlainTextEdit::textChanged, this, &MainMenuWindow::buildHelpText);

    auto *logo = label(this, QStringLiteral("Bild5"), QString(), Twips::rect(720, 4800, 1455, 1455));
    Pictures::showOn(logo, Pictures::logo);
    logo->setAccessibleDescription(QStringLiteral("Rechenheft"));

    buildHelpText();
    // Return or Space pressed by chance opens no window nobody chose.
    keepStrayKeysOffButtons(this);
    m_placement.visit();
}

void MainMenuWindow::buildHelpText()
{
    const QString shown = QtPlatform::displayText(MainMenuTexts::helpText());
    if (m_help->toPlainText() != shown)
        m_help->setPlainText(shown);
}

bool MainMenuWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        buildHelpText();
    return QWidget::event(event);
}

void MainMenuWindow::showEvent(QShowEvent *event)
{
    setFocus(Qt::OtherFocusReason);
    QWidget::showEvent(event);
}

void MainMenuWindow::confirmExit()
{
    const MessageAnswer answer =
        m_platform.message(MainMenuTexts::exitQuestion(), MainMenuTexts::caption(),
                           MessageButtons::YesNo, MessageIcon::Stop, DefaultButton::Second);
    if (answer != MessageAnswer::No)
        m_platform.quit();
}

void MainMenuWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    m_platform.quit();
}
