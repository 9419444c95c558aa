#pragma once

// Each trainer builds its own kind of worksheet.
enum class SheetKind { SingleRow, TwoRow, ThreeRow };
