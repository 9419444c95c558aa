#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, a double click too many: with the trainer open and the info
# window holding the focus, a second start of the program ends at once and the
# running program's trainer comes to the front. No second menu appears.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_session.sh"
program="$1"
start_x_session "$1" "$2"

# The info button sits at 5040/840 twips (336/56 px); the info window stays beside the trainer.
click_menu_button 336 56
info=$(find_window '^Programm-Info$')
[ -n "$info" ] || fail "the info window did not open"
xdotool windowmove --sync "$info" 0 0 # off the menu's buttons
open_single_row_trainer
trainer=$(find_window '^Einreihige Multiplikation mit Einerzahl$')
xdotool windowfocus --sync "$info"
[ "$(xdotool getwindowfocus)" = "$info" ] || fail "could not move the focus to the info window"

started=$(date +%s%N)
QT_QPA_PLATFORM=xcb timeout 10 "$program" || fail "the second start did not end by itself (status $?)"
echo "second start ended after $(( ($(date +%s%N) - started) / 1000000 )) ms"

shown=""
for _ in $(seq 30); do
    shown=$(xdotool search --onlyvisible --name '^Einreihige Multiplikation mit Einerzahl$' 2>/dev/null | head -n1 || true)
    [ -n "$shown" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$trainer" ] && break
    sleep 0.1
done
screenshot e2e-second-start
[ "$shown" = "$trainer" ] || fail "the running trainer did not come back"
[ "$(xdotool getwindowfocus)" = "$trainer" ] || fail "the trainer did not get the focus"
[ -z "$(xdotool search --onlyvisible --name '^Schriftliche Multiplikation$' 2>/dev/null)" ] \
    || fail "a main menu appeared"
kill -0 "$APP_PID" || fail "the running program ended"
echo "e2e: the second start handed over to the running program"
