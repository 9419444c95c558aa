// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/frame_geometry.h"

#include "shell/twips.h"

namespace FrameGeometry {

Grid Grid::centred(int columns, int areaHeight, const QList<int> &gapsBelow)
{
    auto onPixels = [](int twips) { return twips / Twips::perPixel * Twips::perPixel; };
    const int width = columns * columnPitch - (columnPitch - cellWidth);
    int height = cellWidth;
    for (int gap : gapsBelow)
        height += gap + cellWidth;
    Grid grid;
    grid.left = onPixels((taskAreaWidth - width) / 2);
    int top = onPixels((areaHeight - height) / 2);
    for (int row = 0; row <= int(gapsBelow.size()); ++row) {
        grid.rowTops.append(top);
        grid.rowHeights.append(cellWidth);
        top += cellWidth + gapsBelow.value(row);
    }
    return grid;
}

} // namespace FrameGeometry
