// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rewards/catch_game_state.h"
#include "shell/help_setting.h"
#include "shell/printer_lock.h"
#include "trainer_frame/learning_record.h"

#include <QObject>
#include <memory>

class Platform;
class RandomSource;
class MainMenuWindow;
class InfoWindow;
class LearningReportWindow;
class TrainerWindow;
class SingleRowTrainerWindow;
class MultiRowTrainerWindow;
class CatchGameWindow;
class MemoryGameWindow;

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
    LearningReportWindow *learningReport();
    bool hasLearningReport() const { return bool(m_report); }
    SingleRowTrainerWindow *singleRowTrainer();
    MultiRowTrainerWindow *twoRowTrainer();
    MultiRowTrainerWindow *threeRowTrainer();
    CatchGameWindow *catchGame();
    MemoryGameWindow *memoryGame();
    PrinterLock &printerLock() { return m_printerLock; }
    HelpSetting &helpSetting() { return m_help; }
    // Each trainer by its title with its record, none for one not yet opened.
    QList<LearningReport::Entry> learningEntries() const;
    const CatchGameState &catchGameState() const { return m_catchState; }

    bool hasInfoWindow() const { return bool(m_info); }
    bool hasSingleRowTrainer() const { return bool(m_singleRow); }
    bool hasTwoRowTrainer() const { return bool(m_twoRow); }
    bool hasThreeRowTrainer() const { return bool(m_threeRow); }

    void openSingleRowTrainer();
    void openTwoRowTrainer();
    void openThreeRowTrainer();
    void openInfoWindow();
    void openLearningReport();
    // A trainer's "Ende" or close box: the trainer hides, the menu comes back.
    void backToMainMenu(TrainerWindow *trainer);
    // A reward hides the trainer that offered it; every game ends in the one-row trainer.
    void startCatchGame(TrainerWindow *from);
    void startMemoryGame(TrainerWindow *from);
    void backToSingleRowTrainer();

private:
    void connectTrainer(TrainerWindow *trainer);
    void openTrainer(TrainerWindow *trainer);
    void comeBackToWork(TrainerWindow *trainer);
    void leaveTrainer(TrainerWindow *trainer);
    MultiRowTrainerWindow *multiRowTrainer(std::unique_ptr<MultiRowTrainerWindow> &window, int rows);

    Platform &m_platform;
    RandomSource &m_random;
    PrinterLock m_printerLock;
    HelpSetting m_help;
    CatchGameState m_catchState;
    qreal m_trainerZoom = 1;
    std::unique_ptr<MainMenuWindow> m_menu;
    std::unique_ptr<InfoWindow> m_info;
    std::unique_ptr<LearningReportWindow> m_report;
    std::unique_ptr<SingleRowTrainerWindow> m_singleRow;
    std::unique_ptr<MultiRowTrainerWindow> m_twoRow;
    std::unique_ptr<MultiRowTrainerWindow> m_threeRow;
    std::unique_ptr<CatchGameWindow> m_catch;
    std::unique_ptr<MemoryGameWindow> m_memory;

public:
    // A second start of the program: the pupil's working window, and a message
    // box open over it, come to the front.
    void bringToFront();
};
