// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/error_diagnosis.h"

#include <QString>

// What "Vormachen" says while it writes a digit, as a teacher says it at the
// board: "4 · 3 = 12. Schreibe 2, merke 1."
QString demonstrationSentence(const DigitQuestion &question);
// Said once the task is written, before the pupil gets one to do alone.
QString demonstrationEnd(const WrittenMultiplication &calculation);
