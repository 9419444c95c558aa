// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "worksheet/karoblatt_options.h"
#include "worksheet/karoblatt_rules.h"
#include "worksheet/written_multiplication.h"

#include <QList>

class RandomSource;

// Fresh tasks for a squared-paper sheet, by the teacher's choices within the trainer's rules.
namespace KaroblattDraw {
// As many tasks as the options ask for. A mixed choice takes turns: carries
// in the first task, the third, ...; zeros in the second, the fourth, ...;
// the chosen kinds of a one-row sheet one after the other.
QList<WrittenMultiplication> tasks(const KaroblattRules &rules, const KaroblattOptions &options,
                                   RandomSource &random);
// The places a gap task leaves out: from each of the rules' groups as many as
// it names, among those where the calculation writes a digit.
QList<WrittenPlace> gaps(const KaroblattRules &rules, const WrittenMultiplication &task, RandomSource &random);
} // namespace KaroblattDraw
