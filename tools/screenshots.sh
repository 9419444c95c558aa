#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes the screenshots the README shows (docs/*.png) from the real program, so
# they follow every change of the windows. Runs the program under a private
# Xvfb, with openbox for title bars when it is installed.
#
#   tools/screenshots.sh [PROGRAM]     (PROGRAM defaults to build/rechenheft)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${1:-$here/build/rechenheft}"
docs="$here/docs"
[ -x "$program" ] || { echo "no program at $program (build it first)" >&2; exit 2; }
source "$here/tests/e2e/x_session.sh" # start_xvfb, find_window, fail

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true' EXIT
start_xvfb 200
pids=("$XVFB_PID")
frame=()
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    pids+=($!)
    frame=(-frame)
    sleep 0.5
fi
QT_QPA_PLATFORM=xcb "$program" 2>/dev/null &
pids+=($!)

shoot() { # WINDOW FILE
    sleep 0.7
    import -display "$DISPLAY" "${frame[@]}" -window "$1" "$docs/$2"
    echo "docs/$2"
}

menu=$(find_window '^Schriftliche Multiplikation$')
[ -n "$menu" ] || fail "the main menu did not appear"
shoot "$menu" hauptmenue.png

# Clicks go to points of a window's client area, wherever the window manager put it.
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
point_at() { xdotool mousemove --window "$1" "$2" "$3"; }

click_at "$menu" $(( 336 + 16 )) $(( 56 + 16 )) # the info button, at 5040/840 twips
info=$(find_window '^Programm-Info$')
[ -n "$info" ] || fail "the info window did not open"
shoot "$info" info.png
xdotool windowminimize --sync "$info" 2>/dev/null || xdotool windowunmap --sync "$info"

click_at "$menu" $(( 192 + 16 )) $(( 56 + 16 )) # the one-row trainer, at 2880/840 twips
trainer=$(find_window '^Einreihige Multiplikation mit Einerzahl$')
[ -n "$trainer" ] || fail "the trainer did not open"
point_at "$trainer" 500 250
shoot "$trainer" trainer.png

# Without a drag: a tile picked up by a tap; then the whole trainer larger (Ctrl+Plus twice).
click_at "$trainer" $(( 64 + 40 * 3 + 16 )) $(( 332 + 16 )) # the tile "3"
point_at "$trainer" 500 250
shoot "$trainer" tippen.png
xdotool key --window "$trainer" ctrl+plus ctrl+plus
point_at "$trainer" 5 5
shoot "$trainer" vergroessert.png
xdotool key --window "$trainer" Escape ctrl+0

# The help under the tiles: "Tipp" twice, the worked step with its digits lit.
click_at "$trainer" 32 390 # "Tipp", at 120/5610 twips
click_at "$trainer" 32 390
point_at "$trainer" 500 250
shoot "$trainer" hinweis.png

click_at "$trainer" $(( 400 + 28 )) $(( 8 + 16 )) # "Blatt", at 6000/120 twips
point_at "$trainer" 500 250
shoot "$trainer" arbeitsblatt.png

click_at "$trainer" 110 341 # "Karoblatt", along the bottom of the sheet's list
karoblatt=$(find_window '^Karoblatt')
[ -n "$karoblatt" ] || fail "the Karoblatt window did not open"
shoot "$karoblatt" karoblatt.png
