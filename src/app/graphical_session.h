// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A program started where there is no graphical desktop (a text console, an
// ssh login) says so in German and ends with a failure status, instead of
// aborting inside Qt.
namespace GraphicalSession {
// What the pupil or the teacher reads on the terminal.
QString missingMessage();

// No display to reach and no Qt platform chosen explicitly: nothing could show a window.
bool obviouslyMissing();

// Until restoreMessages(): if Qt cannot open a window system after all (a
// display that does not answer, a missing platform plugin), print the German
// message after Qt's reason and end with a failure status.
void endGentlyIfUnreachable();
void restoreMessages();

// The status the program ends with in both cases.
inline constexpr int failureStatus = 1;
} // namespace GraphicalSession
