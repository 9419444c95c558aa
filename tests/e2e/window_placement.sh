#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end under a real window manager, which frames a window only after it
# is shown: the main menu stands centred with its title bar and borders
# counted, the info window centred across and a quarter of the way down, and
# a message box over the window that asks, with the info window open beside it.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_session.sh"
command -v xwininfo >/dev/null || fail "missing xwininfo (install x11-utils)"
WITH_WINDOW_MANAGER=1 start_x_session "$1" "$2"
screen_width=1280 screen_height=1024

near() { [ $(( $1 > $2 ? $1 - $2 : $2 - $1 )) -le 1 ]; }

# expect_centred NAME WINDOW DIVISOR: the frame centred across, DIVISOR-th of the free height down.
expect_centred() {
    local fx fy fw fh
    read -r fx fy fw fh < <(frame_of "$2")
    local want_x=$(( (screen_width - fw) / 2 )) want_y=$(( (screen_height - fh) / $3 ))
    near "$fx" "$want_x" && near "$fy" "$want_y" \
        || fail "$1 framed at $fx,$fy (${fw}x$fh), centred would be $want_x,$want_y"
    echo "$1: frame ${fw}x$fh at $fx,$fy"
}

menu=$(find_window '^Schriftliche Multiplikation$')
[ -n "$menu" ] || fail "the main menu did not appear"
sleep 1
expect_centred "main menu" "$menu" 2

# The info button at 5040/840 twips (336/56 px); the exit button at 720/840 (48/56 px), 33 px square.
read -r mx my < <(xwininfo -id "$menu" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
xdotool mousemove $(( mx + 336 + 16 )) $(( my + 56 + 16 )) click 1
info=$(find_window '^Programm-Info$')
[ -n "$info" ] || fail "the info window did not open"
sleep 1
expect_centred "info window" "$info" 4
screenshot e2e-placement-info

xdotool mousemove $(( mx + 48 + 16 )) $(( my + 56 + 16 )) click 1
box=""
for _ in $(seq 50); do
    box=$(xdotool search --onlyvisible --name '^Schriftliche Multiplikation$' 2>/dev/null | grep -vx "$menu" | head -n1 || true)
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || fail "no exit question"
sleep 0.5
screenshot e2e-placement-box
read -r bx by bw bh < <(frame_of "$box")
read -r fx fy fw fh < <(frame_of "$menu")
# Over the menu's middle (give or take a title bar), not over the info window's.
dx=$(( bx + bw / 2 - fx - fw / 2 )) dy=$(( by + bh / 2 - fy - fh / 2 ))
[ ${dx#-} -le 25 ] && [ ${dy#-} -le 25 ] \
    || fail "the exit question stands at $bx,$by (${bw}x$bh), not over the middle of the menu"
close_box "$box"
window_open '^Programm-Info$' || fail "the info window went away"
echo "exit question over the menu"

# A wrong digit is reported by a box beside the calculation: the digit stays in sight.
xdotool mousemove $(( mx + 192 + 16 )) $(( my + 56 + 16 )) click 1 # the one-row trainer, at 2880/840 twips
trainer=$(find_window '^Einreihige Multiplikation')
[ -n "$trainer" ] || fail "the trainer did not open"
sleep 1
read -r tx ty < <(xwininfo -id "$trainer" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
box=""
for digit in 0 1; do # of two different digits on the ones carry field one is wrong
    drag $(( tx + 64 + 40 * digit + 16 )) $(( ty + 312 + 20 )) $(( tx + 184 + 16 )) $(( ty + 136 + 12 ))
    box=$(find_window '^Fehler$' 4)
    [ -n "$box" ] && break
done
[ -n "$box" ] || fail "no wrong digit was reported"
sleep 0.5
screenshot e2e-placement-wrong-digit
read -r bx by bw bh < <(frame_of "$box")
ax=$(( tx + 64 )) ay=$(( ty + 56 )) aw=393 ah=241 # the task area, 960/840 twips, 5895 x 3615
[ $(( bx + bw )) -le "$ax" ] || [ "$bx" -ge $(( ax + aw )) ] || [ $(( by + bh )) -le "$ay" ] || [ "$by" -ge $(( ay + ah )) ] \
    || fail "the Fehler box (${bw}x$bh at $bx,$by) covers the calculation at $ax,$ay"
[ "$bx" -ge 0 ] && [ $(( bx + bw )) -le "$screen_width" ] && [ "$by" -ge 0 ] && [ $(( by + bh )) -le "$screen_height" ] \
    || fail "the Fehler box (${bw}x$bh at $bx,$by) is not on the screen"
close_box "$box"
echo "Fehler box beside the calculation at $bx,$by"
