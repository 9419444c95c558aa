// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/message_placement.h"

#include <QList>

#include <algorithm>

namespace {
constexpr int messageGap = 8; // pixels between a box and the area it keeps clear of

qint64 covered(const QRect &box, const QRect &kept)
{
    const QRect overlap = box.intersected(kept);
    return overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
}
} // namespace

QPoint messageBesideArea(const QRect &area, const QRect &field, QSize box, const QRect &screen)
{
    const int middleX = area.center().x() - box.width() / 2;
    const int middleY = area.center().y() - box.height() / 2;
    const QList<QPoint> candidates{
        {area.right() + 1 + messageGap, middleY},
        {area.left() - messageGap - box.width(), middleY},
        {middleX, area.bottom() + 1 + messageGap},
        {middleX, area.top() - messageGap - box.height()},
        screen.topLeft(),
        {screen.right() + 1 - box.width(), screen.top()},
        {screen.left(), screen.bottom() + 1 - box.height()},
        {screen.right() + 1 - box.width(), screen.bottom() + 1 - box.height()},
    };
    QPoint best;
    qint64 bestField = -1;
    qint64 bestArea = -1;
    for (QPoint corner : candidates) {
        // Kept on the screen; a box larger than the screen keeps its top left corner there.
        corner.setX(std::max(screen.left(), std::min(corner.x(), screen.right() + 1 - box.width())));
        corner.setY(std::max(screen.top(), std::min(corner.y(), screen.bottom() + 1 - box.height())));
        const QRect placed(corner, box);
        const qint64 onField = covered(placed, field);
        const qint64 onArea = covered(placed, area);
        if (bestField < 0 || onField < bestField || (onField == bestField && onArea < bestArea)) {
            best = corner;
            bestField = onField;
            bestArea = onArea;
        }
        if (onArea == 0)
            break;
    }
    return best;
}
