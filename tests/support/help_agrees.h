// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/trainer_model.h"

#include <QString>

// The first shown cell in sight whose step of the written calculation, as the
// help speaks of it, gives another digit than the check expects; empty when none.
inline QString helpDisagreement(const TrainerModel &model)
{
    const TrainerDesign &design = model.design();
    const TrainerView view = model.gapMode() ? TrainerView::GapPanel : TrainerView::Normal;
    for (int i = 0; i < design.size(); ++i) {
        if (design.cell(i).view != view || !design.holdsDigit(i) || !model.isVisible(i))
            continue;
        const DigitQuestion asked = model.question(i);
        const int told = asked.step.kind == StepKind::Carry ? numbersOf(asked).result()
                                                             : asked.step.digitIn(asked.calculation);
        if (told != model.expectedDigit(i).value_or(-1))
            return QStringLiteral("%1: the help says %2, the check expects %3")
                .arg(design.cell(i).name)
                .arg(told)
                .arg(model.expectedDigit(i).value_or(-1));
    }
    return QString();
}
