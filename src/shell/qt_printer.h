// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"

// The printer side of the Qt platform.
namespace QtPrinter {
bool hasPrinter();
PrintOutcome print(const PrintDocument &document, const QString &pdfFile);
} // namespace QtPrinter
