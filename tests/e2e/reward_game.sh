#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, as a pupil earning a reward: fifty right digits dragged with the
# real mouse bring the invitation; a click on it starts the number-catching
# game; arrow keys move the cursor; Escape and Enter (Yes is the default) end
# the game and bring back the trainer with its points.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_session.sh"
start_x_session "$1" "$2"

open_single_row_trainer
tile_x() { echo $(( tx + 64 + 40 * $1 + 16 )); }
tile_y=$(( ty + 312 + 20 ))
carry_x=$(( tx + 184 + 16 )); carry_y=$(( ty + 136 + 12 ))

# Find the ones carry by trying the tiles; every wrong one is reported and counted.
right=""
for digit in 0 1 2 3 4 5 6 7 8; do
    quick_drag "$(tile_x "$digit")" "$tile_y" "$carry_x" "$carry_y"
    box=$(find_window '^Fehler$' 2)
    if [ -z "$box" ]; then right=$digit; break; fi
    close_box "$box"
done
[ -n "$right" ] || right=9
# The same right digit again and again: one point each, fifty in all.
for drop in $(seq 2 50); do
    quick_drag "$(tile_x "$right")" "$tile_y" "$carry_x" "$carry_y"
    window_open '^Fehler$' && fail "the right digit $right was reported as wrong at drop $drop"
done
sleep 0.5
screenshot e2e-reward-invitation

# The invitation lies at 960/4080 twips (64/272 px), 393x25 px.
xdotool mousemove $(( tx + 64 + 196 )) $(( ty + 272 + 12 )) click 1
game=$(find_window '^Zahlfange$' 5)
[ -n "$game" ] || fail "the invitation did not start the catching game"
window_open '^Einreihige Multiplikation mit Einerzahl$' && fail "the trainer stayed visible during the game"
xdotool windowfocus "$game" 2>/dev/null || true
for key in Left Left Up Up Right Down; do xdotool key "$key"; sleep 0.1; done
sleep 0.3
screenshot e2e-catch-game

xdotool key Escape
sleep 0.5
question=""
for w in $(xdotool search --onlyvisible --name '^Zahlfange$' 2>/dev/null); do
    [ "$w" != "$game" ] && question=$w
done
[ -n "$question" ] || fail "Escape did not ask whether to quit"
screenshot e2e-quit-question
close_box "$question"
screenshot e2e-after-quit
back=$(find_window '^Einreihige Multiplikation mit Einerzahl$' 5)
[ -n "$back" ] || fail "the trainer did not come back after the game"
window_open '^Zahlfange$' && fail "the game window is still open"
screenshot e2e-back-from-game
kill -0 "$APP_PID" || fail "the program ended"
echo "e2e: fifty points, the catching game, and back in the trainer"
