// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Numbers kept as label texts are read leniently: an empty or non-numeric text counts 0.
inline long long lenientNumber(const QString &text)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    return ok ? value : 0;
}

// The carriage return (character 13) that ends every message text.
inline constexpr QChar CR = QChar(13);
