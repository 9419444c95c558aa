// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_shell.h"

#include "app/info_window.h"
#include "app/learning_report_window.h"
#include "app/main_menu_window.h"
#include "rewards/catch_game_window.h"
#include "rewards/memory_game_window.h"
#include "shell/platform.h"
#include "trainer_multi/multi_row_trainer_window.h"
#include "trainer_single/single_row_trainer_window.h"

#include <QApplication>

namespace {
void present(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

AppShell::AppShell(Platform &platform, RandomSource &random)
    : m_platform(platform)
    , m_random(random)
{
}

AppShell::~AppShell() = default;

void AppShell::start()
{
    MainMenuWindow *menu = mainMenu();
    menu->show();
}

MainMenuWindow *AppShell::mainMenu()
{
    if (!m_menu) {
        m_menu = std::make_unique<MainMenuWindow>(m_platform);
        connect(m_menu.get(), &MainMenuWindow::singleRowTrainerRequested, this,
                &AppShell::openSingleRowTrainer);
        connect(m_menu.get(), &MainMenuWindow::twoRowTrainerRequested, this,
                &AppShell::openTwoRowTrainer);
        connect(m_menu.get(), &MainMenuWindow::threeRowTrainerRequested, this,
                &AppShell::openThreeRowTrainer);
        connect(m_menu.get(), &MainMenuWindow::infoRequested, this, &AppShell::openInfoWindow);
    }
    return m_menu.get();
}

InfoWindow *AppShell::infoWindow()
{
    if (!m_info) {
        m_info = std::make_unique<InfoWindow>(m_platform, m_printerLock, m_help);
        connect(m_info.get(), &InfoWindow::learningReportRequested, this, &AppShell::openLearningReport);
    }
    return m_info.get();
}

LearningReportWindow *AppShell::learningReport()
{
    if (!m_report)
        m_report = std::make_unique<LearningReportWindow>(m_platform, m_printerLock, [this] { return learningEntries(); });
    return m_report.get();
}

QList<LearningReport::Entry> AppShell::learningEntries() const
{
    auto recordOf = [](const auto &trainer) { return trainer ? &trainer->model().tutor().record() : nullptr; };
    return {{QStringLiteral("Einreihige Multiplikation"), recordOf(m_singleRow)},
            {QStringLiteral("Zweireihige Multiplikation"), recordOf(m_twoRow)},
            {QStringLiteral("Dreireihige Multiplikation"), recordOf(m_threeRow)}};
}

void AppShell::connectTrainer(TrainerWindow *trainer)
{
    connect(trainer, &TrainerWindow::leaveRequested, this, [this, trainer] { backToMainMenu(trainer); });
    connect(trainer, &TrainerWindow::catchGameRequested, this, [this, trainer] { startCatchGame(trainer); });
    connect(trainer, &TrainerWindow::memoryGameRequested, this, [this, trainer] { startMemoryGame(trainer); });
}

SingleRowTrainerWindow *AppShell::singleRowTrainer()
{
    if (!m_singleRow) {
        m_singleRow = std::make_unique<SingleRowTrainerWindow>(m_platform, m_random, m_printerLock, m_help);
        connectTrainer(m_singleRow.get());
    }
    return m_singleRow.get();
}

MultiRowTrainerWindow *AppShell::multiRowTrainer(std::unique_ptr<MultiRowTrainerWindow> &window, int rows)
{
    if (!window) {
        const MultiRowDesign &design = rows == 3 ? MultiRowDesign::threeRows() : MultiRowDesign::twoRows();
        window = std::make_unique<MultiRowTrainerWindow>(design, m_platform, m_random, m_printerLock, m_help);
        connectTrainer(window.get());
    }
    return window.get();
}

MultiRowTrainerWindow *AppShell::twoRowTrainer()
{
    return multiRowTrainer(m_twoRow, 2);
}

MultiRowTrainerWindow *AppShell::threeRowTrainer()
{
    return multiRowTrainer(m_threeRow, 3);
}

CatchGameWindow *AppShell::catchGame()
{
    if (!m_catch) {
        m_catch = std::make_unique<CatchGameWindow>(m_platform, m_random, m_catchState);
        connect(m_catch.get(), &CatchGameWindow::finished, this, &AppShell::backToSingleRowTrainer);
    }
    return m_catch.get();
}

MemoryGameWindow *AppShell::memoryGame()
{
    if (!m_memory) {
        m_memory = std::make_unique<MemoryGameWindow>(m_platform, m_random);
        connect(m_memory.get(), &MemoryGameWindow::finished, this, &AppShell::backToSingleRowTrainer);
    }
    return m_memory.get();
}

void AppShell::startCatchGame(TrainerWindow *from)
{
    CatchGameWindow *game = catchGame();
    game->prepareGame();
    leaveTrainer(from);
    // The pupil's zoom goes along into the game.
    game->placement().setZoom(m_trainerZoom);
    present(game);
}

void AppShell::startMemoryGame(TrainerWindow *from)
{
    MemoryGameWindow *game = memoryGame();
    leaveTrainer(from);
    game->placement().setZoom(m_trainerZoom);
    present(game);
}

void AppShell::backToSingleRowTrainer()
{
    comeBackToWork(singleRowTrainer());
}

void AppShell::openTrainer(TrainerWindow *trainer)
{
    mainMenu()->hide();
    comeBackToWork(trainer);
}

// The pupil's zoom goes along from one trainer to the next.
void AppShell::comeBackToWork(TrainerWindow *trainer)
{
    trainer->placement().setZoom(m_trainerZoom);
    present(trainer);
    trainer->activateForWork();
}

void AppShell::leaveTrainer(TrainerWindow *trainer)
{
    m_trainerZoom = trainer->placement().zoom();
    trainer->hide();
}

void AppShell::openSingleRowTrainer()
{
    openTrainer(singleRowTrainer());
}

void AppShell::openTwoRowTrainer()
{
    openTrainer(twoRowTrainer());
}

void AppShell::openThreeRowTrainer()
{
    openTrainer(threeRowTrainer());
}

void AppShell::openInfoWindow()
{
    present(infoWindow());
}

void AppShell::openLearningReport()
{
    present(learningReport());
}

void AppShell::backToMainMenu(TrainerWindow *trainer)
{
    leaveTrainer(trainer);
    MainMenuWindow *menu = mainMenu();
    present(menu);
    menu->buildHelpText();
}

void AppShell::bringToFront()
{
    QWidget *working = mainMenu();
    const QList<QWidget *> others{m_singleRow.get(), m_twoRow.get(), m_threeRow.get(), m_catch.get(),
                                  m_memory.get()};
    for (QWidget *window : others)
        if (window && window->isVisible())
            working = window;
    if (working->isMinimized())
        working->showNormal();
    present(working);
    if (QWidget *box = QApplication::activeModalWidget())
        present(box);
}
