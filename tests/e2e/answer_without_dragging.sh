#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, as pupils who do not drag: each trainer is read from outside the
# program as a screen reader reads it (AT-SPI), every field with its own name;
# one task is solved with the keyboard alone, a wrong digit among the keys, and
# one by tapping a tile and then a field; the trainer is left with Tab and Space.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# The accessibility bus rides on a session bus of this test's own.
[ -n "${RECHENHEFT_OWN_BUS:-}" ] || exec env RECHENHEFT_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
source "$here/x_session.sh"
pupil() { /usr/bin/python3 "$here/screen_reader_pupil.py" "$@"; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null ||
    fail "no accessibility bus (install at-spi2-core, python3-pyatspi, dbus-daemon)"
# under a window manager, which gives the focus back to the trainer when a message box closes
WITH_WINDOW_MANAGER=1 start_x_session "$1" "$2"
[ -n "$(find_window '^Schriftliche Multiplikation$')" ] || fail "the main menu did not appear"
sleep 1 # framed and centred again

# menu_button LEFT TOP TITLE: opens a trainer with a click on its menu button.
menu_button() {
    click_menu_button "$1" "$2"
    [ -n "$(find_window "^$3\$")" ] || fail "$3 did not open"
    sleep 0.5
}

try_trainer() { # TITLE KEYS: read, solved by keys and by taps, left with "Ende"
    pupil names "$1"
    pupil keys "$1" "$2"
    screenshot "e2e-keys-$3"
    pupil taps "$1"
    pupil command "$1" Ende
    [ -n "$(find_window '^Schriftliche Multiplikation$')" ] || fail "Ende did not lead back to the menu"
}

menu_button 192 56 'Einreihige Multiplikation mit Einerzahl'
try_trainer 'Einreihige Multiplikation mit Einerzahl' keys one-row
menu_button 232 320 'Zweireihige Multiplikation'
try_trainer 'Zweireihige Multiplikation' keypad two-rows
menu_button 336 320 'Dreireihige Multiplikation'
try_trainer 'Dreireihige Multiplikation' keys three-rows

kill -0 "$APP_PID" || fail "the program ended"
echo "e2e: three trainers read through AT-SPI and solved with keys and taps; screenshots in $ARTIFACTS"
