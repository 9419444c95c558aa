// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/trainer_model.h"

#include <QString>

// A cell of a design by the name its control carries.
inline int cellNamed(const TrainerDesign &design, const QString &name)
{
    for (int i = 0; i < design.size(); ++i)
        if (design.cell(i).name == name)
            return i;
    return -1;
}

// What a cell shows and what it expects, as the pupil reads them.
inline QString shown(const TrainerModel &model, int cell)
{
    return digitText(model.digit(cell));
}

inline QString expected(const TrainerModel &model, int cell)
{
    return digitText(model.expectedDigit(cell));
}
