#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end on a netbook: a 1024x768 screen (or SMALL_SCREEN=WxH) at a scale
# factor of 3, under a window manager. Every window stands whole on the screen with its frame, its
# controls are clicked with the real mouse where the fitted window shows
# them, and a gap task of the one-row trainer is solved by dragging tiles.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_session.sh"
command -v xwininfo >/dev/null || fail "missing xwininfo (install x11-utils)"
export QT_SCALE_FACTOR=3
IFS=x read -r screen_w screen_h <<<"${SMALL_SCREEN:-1024x768}"
XVFB_SCREEN=${screen_w}x${screen_h}x24 WITH_WINDOW_MANAGER=1 start_x_session "$1" "$2"

# fitted NAME TITLE LAYOUT_WIDTH: waits for the window, checks that it stands
# whole on the screen, and sets wx, wy (its inside's corner) and ws (screen
# pixels to one pixel of its layout).
fitted() {
    local window fx fy fw fh w
    window=$(find_window "$2")
    [ -n "$window" ] || fail "$1 did not open"
    sleep 1
    read -r fx fy fw fh < <(frame_of "$window")
    [ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] && [ $((fx + fw)) -le "$screen_w" ] && [ $((fy + fh)) -le "$screen_h" ] \
        || fail "$1 framed at $fx,$fy (${fw}x$fh) leaves the ${screen_w}x$screen_h screen"
    read -r wx wy w < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $4}
                                         /Absolute upper-left Y/ {y = $4} /^  Width/ {w = $2} END {print x, y, w}')
    ws=$(awk -v w="$w" -v layout="$3" 'BEGIN { print w / layout }')
    echo "$1: frame ${fw}x$fh at $fx,$fy, $ws screen pixels a layout pixel"
    screenshot "e2e-small-$screen_w-$(tr ' ' - <<<"$1")"
}
# at X Y: the screen point of the layout pixel X, Y of the last fitted window.
at() { awk -v x="$1" -v y="$2" -v s="$ws" -v wx="$wx" -v wy="$wy" 'BEGIN { printf "%d %d\n", wx + x * s, wy + y * s }'; }
click() { local x y; read -r x y < <(at "$1" "$2"); xdotool mousemove "$x" "$y" click 1; sleep 0.5; }

menu='^Schriftliche Multiplikation$'
fitted "main menu" "$menu" 420
click 352 72 # "Info", at the menu's right edge
fitted "info window" '^Programm-Info$' 234
click 88 208 # "O k a y"
for trainer in "two-row trainer:248:Zweireihige Multiplikation" "three-row trainer:352:Dreireihige Multiplikation"; do
    IFS=: read -r name button title <<<"$trainer"
    fitted "main menu" "$menu" 420
    click "$button" 336 # along the menu's lower edge
    fitted "$name" "^$title\$" 522
    click 92 24 # "Ende"
done

fitted "main menu" "$menu" 420
click 208 72
fitted "one-row trainer" '^Einreihige Multiplikation mit Einerzahl$' 522
click 372 24 # "Lücke": a gap task over the calculation
sleep 0.5

# The open gaps are grey (sampled in their middle, clear of the keys' focus frame, which stands
# on the first of them): multiplicand digits in columns 8 to 5 of the task
# row (104 px from the top), product digits in columns 7 to 3 of the result
# row (176 px); column c stands at 104 + 40 (8 - c) px.
gaps=()
for cell in "8 104" "7 104" "6 104" "5 104" "7 176" "6 176" "5 176" "4 176" "3 176"; do
    read -r column top <<<"$cell"
    left=$(( 104 + 40 * (8 - column) ))
    [ "$(pixel $(at $(( left + 16 )) $(( top + 16 ))))" = "224,224,224" ] && gaps+=("$left $top")
done
screenshot "e2e-small-$screen_w-gap-task"
[ ${#gaps[@]} -eq 3 ] || fail "${#gaps[@]} open gaps instead of 3"

# Each gap is tried with the tiles in turn: a wrong digit is reported and taken away.
for gap in "${gaps[@]}"; do
    read -r left top <<<"$gap"
    read -r gx gy < <(at $(( left + 16 )) $(( top + 16 )))
    for digit in 0 1 2 3 4 5 6 7 8 9; do
        read -r sx sy < <(at $(( 64 + 40 * digit + 16 )) 332)
        quick_drag "$sx" "$sy" "$gx" "$gy"
        box=$(find_window '^Fehler$' 2)
        [ -z "$box" ] && break
        # With no room beside the calculation the box still leaves the wrong digit in sight.
        read -r bx by bw bh < <(frame_of "$box")
        [ "$gx" -lt "$bx" ] || [ "$gx" -ge $((bx + bw)) ] || [ "$gy" -lt "$by" ] || [ "$gy" -ge $((by + bh)) ] \
            || { screenshot "e2e-small-$screen_w-box-over-field"; fail "the Fehler box at $bx,$by (${bw}x$bh) covers the field at $gx,$gy"; }
        close_box "$box"
    done
done
solved=$(find_window '^Lückenaufgabe$' 5)
[ -n "$solved" ] || fail "the gap task was not solved"
screenshot "e2e-small-$screen_w-solved"
close_box "$solved"
kill -0 "$APP_PID" || fail "the program ended"
echo "e2e: every window whole on a ${screen_w}x$screen_h screen at scale 3; a gap task solved there, no box over the digit it reports"
