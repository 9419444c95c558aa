#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, the drag feel with the real mouse: while a tile is held over a
# carry field, the field is framed; over a given digit of the task nothing is
# framed; after the drop the frame is gone.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_session.sh"
start_x_session "$1" "$2"

open_single_row_trainer
# Tile "0" at 64, 312 (33x41 px); the ones carry field at 184, 136 (33x25 px);
# the task's first digit, a given digit, at 104, 104 (33x33 px).
tile_x=$(( tx + 64 + 16 )); tile_y=$(( ty + 312 + 20 ))
field_x=$(( tx + 184 + 16 )); field_y=$(( ty + 136 + 12 ))
given_x=$(( tx + 104 + 16 )); given_y=$(( ty + 104 + 16 ))
frame="srgb(255,140,0)"

pixel() { convert "$ARTIFACTS/$1.png" -format "%[pixel:p{$2,$3}]" info:; }
# How many pixels of the trainer's task area have the frame colour.
framed_pixels() {
    convert "$ARTIFACTS/$1.png" -crop "440x200+$((tx + 60))+$((ty + 60))" +repage \
        -fill black +opaque "$frame" -fill white -opaque "$frame" -format '%[fx:round(mean*w*h)]' info:
}
glide() { # from x1 y1 to x2 y2 with the button held
    local i
    for i in $(seq 1 8); do
        xdotool mousemove $(( $1 + ($3 - $1) * i / 8 )) $(( $2 + ($4 - $2) * i / 8 ))
        sleep 0.05
    done
    sleep 0.4
}

xdotool mousemove "$tile_x" "$tile_y"; sleep 0.2
xdotool mousedown 1; sleep 0.2
glide "$tile_x" "$tile_y" "$field_x" "$field_y"
screenshot e2e-highlight-1-over-field
[ "$(pixel e2e-highlight-1-over-field $(( tx + 185 )) "$field_y")" = "$frame" ] \
    || fail "the carry field under the tile is not framed"

glide "$field_x" "$field_y" "$given_x" "$given_y"
screenshot e2e-highlight-2-over-given-digit
[ "$(framed_pixels e2e-highlight-2-over-given-digit)" -eq 0 ] \
    || fail "a field is still framed with the tile over a given digit"

glide "$given_x" "$given_y" "$field_x" "$field_y"
xdotool mouseup 1
sleep 0.5
box=$(find_window '^Fehler$' 2)
screenshot e2e-highlight-3-after-drop
[ "$(framed_pixels e2e-highlight-3-after-drop)" -eq 0 ] || fail "the frame stayed after the drop"
[ -z "$box" ] || close_box "$box"
kill -0 "$APP_PID" || fail "the program ended"
echo "e2e: the field under the dragged tile is framed, and only while it is"
