#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, as a pupil: the real program in a real X server, opened from the
# main menu with a mouse click, a digit tile dragged onto a carry field with
# the real mouse. Whatever the task, of two different digits dropped on the
# same field at least one is wrong, so the "Fehler" box must appear.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_session.sh"
start_x_session "$1" "$2"

[ -n "$(find_window '^Schriftliche Multiplikation$')" ] || fail "the main menu did not appear"
screenshot e2e-1-menu

open_single_row_trainer
screenshot e2e-2-trainer

# Tile "d" stands at 64 + 40*d, 312 (33x41 px); the ones carry field at 184, 136 (33x25 px).
carry_x=$(( tx + 184 + 16 )); carry_y=$(( ty + 136 + 12 ))
reported=0
for digit in 0 1; do
    drag $(( tx + 64 + 40 * digit + 16 )) $(( ty + 312 + 20 )) "$carry_x" "$carry_y"
    box=$(find_window '^Fehler$' 4)
    if [ -n "$box" ]; then
        reported=$((reported + 1))
        screenshot e2e-3-wrong-digit
        close_box "$box"
        break
    fi
done
screenshot e2e-4-after

[ "$reported" -eq 1 ] || fail "no wrong digit was reported after two different drops"
! window_open '^Fehler$' || fail "the Fehler box did not close"
[ -n "$(find_window '^Einreihige Multiplikation mit Einerzahl$' 3)" ] || fail "the trainer is gone"
kill -0 "$APP_PID" || fail "the program ended"
echo "e2e: tile dragged and checked; screenshots in $ARTIFACTS"
