#include "shell/app_shell.h"

#include "shell/info_window.h"
#include "shell/main_menu_window.h"
#include "shell/platform.h"
#include "shell/twips.h"
#include "trainer_single/single_row_trainer_window.h"

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
        m_menu->move(Twips::centred(m_platform.screenSize(), m_menu->frameGeometry().size()));
        connect(m_menu.get(), &MainMenuWindow::singleRowTrainerRequested, this,
                &AppShell::openSingleRowTrainer);
        connect(m_menu.get(), &MainMenuWindow::infoRequested, this, &AppShell::openInfoWindow);
    }
    return m_menu.get();
}

InfoWindow *AppShell::infoWindow()
{
    if (!m_info)
        m_info = std::make_unique<InfoWindow>(m_platform, m_printerLock);
    return m_info.get();
}

SingleRowTrainerWindow *AppShell::singleRowTrainer()
{
    if (!m_singleRow) {
        m_singleRow = std::make_unique<SingleRowTrainerWindow>(m_platform, m_random, m_printerLock);
        connect(m_singleRow.get(), &SingleRowTrainerWindow::leaveRequested, this,
                &AppShell::backToMainMenu);
    }
    return m_singleRow.get();
}

void AppShell::openSingleRowTrainer()
{
    SingleRowTrainerWindow *trainer = singleRowTrainer();
    mainMenu()->hide();
    trainer->show();
    trainer->activateForWork();
    trainer->raise();
    trainer->activateWindow();
}

void AppShell::openInfoWindow()
{
    InfoWindow *info = infoWindow();
    info->show();
    info->raise();
    info->activateWindow();
}

void AppShell::backToMainMenu()
{
    if (m_singleRow)
        m_singleRow->hide();
    MainMenuWindow *menu = mainMenu();
    menu->show();
    menu->raise();
    menu->activateWindow();
    menu->buildHelpText();
}
