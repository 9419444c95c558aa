// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

// The measures every trainer window shares, in twips.
namespace FrameGeometry {
inline constexpr int clientWidth = 7830;
inline constexpr int commandTop = 120;
inline constexpr int commandWidth = 855;
inline constexpr int commandHeight = 495;
inline constexpr int taskAreaLeft = 960;
inline constexpr int taskAreaWidth = 5895;
inline constexpr int ruleRight = 6840; // the rules under the commands and over the tiles
inline constexpr int trackLeft = 6960;
inline constexpr int barTop = 120;
inline constexpr int barWidth = 735;
inline constexpr int barHeight = 5175;
inline constexpr int pictureLeft = 7080;
inline constexpr int pictureSize = 495;
inline constexpr int moonTop = 240;
inline constexpr int rocketStartTop = 4680;
inline constexpr int rocketStep = 240; // one per solved task
inline constexpr int tileTop = 4680;
inline constexpr int tileWidth = 495;
inline constexpr int tileHeight = 615;
inline constexpr int tilePitch = 600;
inline constexpr int invitationHeight = 375;
inline constexpr int cellWidth = 495;
inline constexpr int columnPitch = 600;
inline constexpr int dotSize = 195;

// Where the rows of a calculation stand in its task area: the left edge of
// the leftmost column, and each row's top and height, from the area's corner.
struct Grid {
    int left = 0;
    QList<int> rowTops;
    QList<int> rowHeights;

    // A grid of square cells centred in the task area on whole pixels, with
    // `gapsBelow[r]` between row r and the next.
    static Grid centred(int columns, int areaHeight, const QList<int> &gapsBelow);
};
} // namespace FrameGeometry
