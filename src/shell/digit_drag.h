// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMimeData>
#include <QString>

// The one drag format of the program: a digit tile carries its digit.
namespace DigitDrag {
inline const QString mimeType = QStringLiteral("application/x-rechenheft-digit");

// The digit a drag carries, or -1 when it carries no single digit.
inline int digitOf(const QMimeData *mime)
{
    if (!mime || !mime->hasFormat(mimeType))
        return -1;
    const QByteArray digit = mime->data(mimeType);
    return digit.size() == 1 && digit.at(0) >= '0' && digit.at(0) <= '9' ? digit.at(0) - '0' : -1;
}
} // namespace DigitDrag
