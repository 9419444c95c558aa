// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/trainer_score.h"

#include "shell/platform.h"

TrainerScore::TrainerScore(bool announcesCatchGame)
    : m_announcesCatchGame(announcesCatchGame)
{
}

QString TrainerScore::wrongDigitText()
{
    return QStringLiteral("Das ist leider falsch, rechne nochmal.") + CR + CR;
}

QString TrainerScore::solvedText()
{
    return QStringLiteral("Die Aufgabe wurde richtig gelöst.") + CR + CR;
}

QString TrainerScore::helpText()
{
    return QStringLiteral("Schiebe die Ziffern vom unteren Fensterrand") + CR
        + QStringLiteral("mit der Maus in das gewünschte Lösungsfeld.") + CR
        + QStringLiteral("Für jede richtige Zahl gibt es einen Punkt und") + CR
        + QStringLiteral("alle 50 Punkte gibt es ein Belohnungsspiel.") + CR;
}

QString TrainerScore::catchAnnouncementText()
{
    return QStringLiteral("Es folgt jetzt eine Belohnung.") + CR + CR;
}

void TrainerScore::reportWrongDigit(Platform &platform)
{
    showInfo(platform, wrongDigitText(), wrongDigitTitle);
    ++m_errors;
}

void TrainerScore::announceSolved(Platform &platform, const QString &title)
{
    showInfo(platform, solvedText(), title);
    m_rewards.advanceProgress();
}

void TrainerScore::showHelp(Platform &platform)
{
    showInfo(platform, helpText(), helpTitle);
}

void TrainerScore::takeCatchInvitation()
{
    m_rewards.takeCatchInvitation();
}

void TrainerScore::announceCatchGame(Platform &platform)
{
    if (m_announcesCatchGame)
        showInfo(platform, catchAnnouncementText(), catchAnnouncementTitle);
}

void TrainerScore::takeMemoryInvitation()
{
    m_rewards.takeMemoryInvitation();
}
