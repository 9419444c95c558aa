// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/look.h"
#include "shell/platform.h"

#include <QScopedValueRollback>
#include <QString>

// What the two reward games share: their background and their quit question.
namespace RewardLook {
// Behind both games; the catching game also wipes its marks in it.
inline const QColor &background = Look::window;

inline QString quitQuestion() { return QStringLiteral("  Dieses Spiel jetzt beenden?"); }

// Asks whether to quit the game ("Ja" is the default); `messageOpen` is set
// while the question is open, so the game ignores everything else meanwhile.
inline bool confirmQuit(Platform &platform, const QString &title, bool &messageOpen)
{
    const QScopedValueRollback guard(messageOpen, true);
    return askYesNo(platform, quitQuestion(), title, MessageIcon::Stop, DefaultButton::First);
}
} // namespace RewardLook
