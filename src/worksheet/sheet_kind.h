// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Each trainer builds its own kind of worksheet.
enum class SheetKind { SingleRow, TwoRow, ThreeRow };
