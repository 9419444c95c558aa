#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end on a netbook (1024x768 at a scale factor of 3, framed): both
# reward games stand whole on the screen and are won by taps alone; the digit
# to catch next, pictured with the "+" away and beside it, is never damaged.
export QT_SCALE_FACTOR=3 XVFB_SCREEN=1024x768x24 WAY=taps
exec bash "$(dirname "${BASH_SOURCE[0]}")/reward_games_by_ear.sh" "$@"
