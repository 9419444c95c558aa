#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, as a pupil in the two-row and three-row trainers: each opened from
# its menu button with a real click, tiles dragged with the real mouse onto a
# zero field (only "0" is right there), the layout and gap commands clicked and
# their effect read off the screen, and the three-row worksheet copied and
# every partial product and result on the clipboard recomputed.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_session.sh"
start_x_session "$1" "$2"

tile_x() { echo $(( tx + 64 + 40 * $1 + 16 )); }
click_at() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; }

# open_trainer BUTTON_X TITLE: a click on a menu button (px in the menu's client area, row at 320).
open_trainer() {
    local trainer
    click_menu_button "$1" 320
    sleep 0.5
    trainer=$(find_window "$2")
    [ -n "$trainer" ] || fail "the trainer $2 did not open"
    sleep 0.5
    read -r tx ty < <(window_origin "$trainer")
}

# zero_field_checks X Y NAME: "0" is right on a zero field, "7" is reported as wrong.
zero_field_checks() {
    drag "$(tile_x 0)" $(( ty + 332 )) $(( tx + $1 )) $(( ty + $2 ))
    sleep 0.5
    ! window_open '^Fehler$' || fail "$3: the zero was reported as wrong"
    drag "$(tile_x 7)" $(( ty + 332 )) $(( tx + $1 )) $(( ty + $2 ))
    box=$(find_window '^Fehler$' 4)
    [ -n "$box" ] || fail "$3: a 7 on the zero field was not reported"
    screenshot "e2e-$3-wrong-digit"
    close_box "$box"
}

# Two rows: the zero field of the first partial product stands at column 1 (380/145 px).
open_trainer 232 '^Zweireihige Multiplikation$'
screenshot e2e-two-rows
zero_field_checks 380 145 two-rows
# Colours are read near a cell's top-left corner, off the digit.
field_colour=$(pixel $(( tx + 368 )) $(( ty + 133 )))
[ "$field_colour" = "128,128,255" ] || fail "the zero field shows $field_colour, not its blue"
click_at $(( tx + 265 + 28 )) $(( ty + 8 + 16 ))   # "Treppe"
[ "$(pixel $(( tx + 368 )) $(( ty + 133 )))" != "$field_colour" ] || fail "Treppe left the zero field shown"
click_at $(( tx + 332 + 28 )) $(( ty + 8 + 16 ))   # "Lücke": the panel covers the task
gap_colour=$(pixel $(( tx + 288 )) $(( ty + 133 )))  # luecke9, a gap, at column 3
[ "$gap_colour" = "224,224,224" ] || fail "no gap at column 3 of the gap panel (colour $gap_colour)"
screenshot e2e-two-rows-gaps
click_at $(( tx + 64 + 28 )) $(( ty + 8 + 16 ))    # "Ende"

# Three rows: the zero fields of the first partial product at columns 2 and 1 (360 and 400/127 px).
open_trainer 336 '^Dreireihige Multiplikation$'
zero_field_checks 400 127 three-rows
screenshot e2e-three-rows
click_at $(( tx + 400 + 28 )) $(( ty + 8 + 16 ))   # "Blatt"
click_at $(( tx + 64 + 312 + 40 )) $(( ty + 16 + 16 )) # "Kopieren"
box=$(find_window '^Zwischenablage$' 5)
[ -n "$box" ] || fail "no closing message after Kopieren"
screenshot e2e-three-rows-sheet
close_box "$box"
xclip -o -selection clipboard > "$ARTIFACTS/clipboard-three-rows.txt" || fail "the clipboard could not be read"

# Blocks of nine rows after the gap: blank, tasks, dashes, three partial products, dashes, result, blank.
awk -v RS='\r\n' '
    { line[NR - 1] = $0 }
    END {
        if (NR != 74) { print "FAIL: " NR " lines on the clipboard, expected 74"; exit 1 }
        checked = 0
        for (b = 0; b < 4; b++) {
            first = 38 + 9 * b
            tasks = split(line[first + 1], task, " ")
            split(line[first + 3], p1, " "); split(line[first + 4], p2, " ")
            split(line[first + 5], p3, " "); results = split(line[first + 7], result, " ")
            if (tasks != 4 || results != 4) { print "FAIL: block " b " has " tasks " tasks"; exit 1 }
            for (k = 1; k <= tasks; k++) {
                split(task[k], factor, "*")
                h = int(factor[2] / 100); t = int(factor[2] / 10) % 10; u = factor[2] % 10
                if (p1[k] != factor[1] * h * 100 || p2[k] != factor[1] * t * 10 || p3[k] != factor[1] * u \
                    || result[k] != factor[1] * factor[2]) {
                    print "FAIL: " task[k] " is not " p1[k] " + " p2[k] " + " p3[k] " = " result[k]; exit 1
                }
                checked++
            }
        }
        print "clipboard: " checked " three-row tasks recomputed"
    }' "$ARTIFACTS/clipboard-three-rows.txt"

kill -0 "$APP_PID" || fail "the program ended"
echo "e2e: both multi-row trainers driven with the real mouse; screenshots in $ARTIFACTS"
