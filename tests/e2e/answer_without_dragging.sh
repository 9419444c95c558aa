#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, as pupils who do not drag: each trainer read from outside as a
# screen reader reads it (AT-SPI), one task solved with the keyboard alone (a
# wrong key among them) and one by tap-tap.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# The accessibility bus rides on a session bus of this test's own.
[ -n "${RECHENHEFT_OWN_BUS:-}" ] || exec env RECHENHEFT_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
source "$here/x_session.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null ||
    fail "no accessibility bus (install at-spi2-core, python3-pyatspi, dbus-daemon)"
# A window manager gives the focus back to the trainer when a message box closes.
WITH_WINDOW_MANAGER=1 start_x_session "$1" "$2"
[ -n "$(find_window '^Schriftliche Multiplikation$')" ] || fail "the main menu did not appear"
sleep 1 # framed and centred again

# trainer MENU_X MENU_Y TITLE KEYS SHOT: opened from the menu, answered by KEYS and by taps, left with "Ende".
trainer() {
    local window tx ty
    click_menu_button "$1" "$2"
    window="$(find_window "^$3\$")"
    [ -n "$window" ] || fail "$3 did not open"
    sleep 0.5
    /usr/bin/python3 "$here/screen_reader_pupil.py" "$3" "$4"
    screenshot "e2e-$5-next-task"
    /usr/bin/python3 "$here/screen_reader_pupil.py" "$3" taps
    read -r tx ty < <(window_origin "$window")
    xdotool mousemove $((tx + 64 + 28)) $((ty + 8 + 16)) click 1 # "Ende"
    [ -n "$(find_window '^Schriftliche Multiplikation$')" ] || fail "Ende did not lead back to the menu"
}
trainer 192 56 'Einreihige Multiplikation mit Einerzahl' keys one-row
trainer 232 320 'Zweireihige Multiplikation' keypad two-rows
trainer 336 320 'Dreireihige Multiplikation' keys three-rows
echo "e2e: three trainers read through AT-SPI and answered by keys and taps; screenshots in $ARTIFACTS"
