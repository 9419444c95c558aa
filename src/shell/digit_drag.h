// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMimeData>
#include <QString>

// The one drag format of the program: a digit tile carries its digit.
namespace DigitDrag {
inline const QString mimeType = QStringLiteral("application/x-rechenheft-digit");

// The digit a drag carries, or the empty text when it carries no single digit.
inline QString digitOf(const QMimeData *mime)
{
    if (!mime || !mime->hasFormat(mimeType))
        return QString();
    const QString digit = QString::fromLatin1(mime->data(mimeType));
    if (digit.size() != 1 || !digit.at(0).isDigit() || digit.at(0).unicode() > '9')
        return QString();
    return digit;
}
} // namespace DigitDrag
