// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The fixed texts of the main menu.
namespace MainMenuTexts {
QString caption();
// The help box text: every line ends with CR LF, the last one too.
QString helpText();
QString exitQuestion();
} // namespace MainMenuTexts
