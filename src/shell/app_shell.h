#pragma once

#include "shell/printer_lock.h"

#include <QObject>
#include <memory>

class Platform;
class RandomSource;
class MainMenuWindow;
class InfoWindow;
class SingleRowTrainerWindow;

// Owns the windows (each created the first time it is shown or touched, then
// only hidden and shown) and moves the pupil between them.
class AppShell : public QObject {
    Q_OBJECT
public:
    AppShell(Platform &platform, RandomSource &random);
    ~AppShell() override;

    // Creates the main menu, centres it and shows it.
    void start();

    MainMenuWindow *mainMenu();
    InfoWindow *infoWindow();
    SingleRowTrainerWindow *singleRowTrainer();
    PrinterLock &printerLock() { return m_printerLock; }

    bool hasInfoWindow() const { return bool(m_info); }
    bool hasSingleRowTrainer() const { return bool(m_singleRow); }

    void openSingleRowTrainer();
    void openInfoWindow();
    void backToMainMenu();

private:
    Platform &m_platform;
    RandomSource &m_random;
    PrinterLock m_printerLock;
    std::unique_ptr<MainMenuWindow> m_menu;
    std::unique_ptr<InfoWindow> m_info;
    std::unique_ptr<SingleRowTrainerWindow> m_singleRow;
};
