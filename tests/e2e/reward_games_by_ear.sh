#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, as a pupil who reads the program through a screen reader (AT-SPI)
# and uses the keys alone: eighteen tasks solved bring both rewards; the
# memory game is played to its end with the focus frame, Space and Return, and
# the catching game won by following the spoken steps with the arrow keys.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# The accessibility bus rides on a session bus of this test's own.
[ -n "${RECHENHEFT_OWN_BUS:-}" ] || exec env RECHENHEFT_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
source "$here/x_session.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null ||
    fail "no accessibility bus (install at-spi2-core, python3-pyatspi, dbus-daemon)"
# A window manager gives the focus to each game and back to the trainer.
WITH_WINDOW_MANAGER=1 start_x_session "$1" "$2"
[ -n "$(find_window '^Schriftliche Multiplikation$')" ] || fail "the main menu did not appear"
sleep 1
/usr/bin/python3 -B "$here/reward_pupil.py" "${WAY:-keys}" "$ARTIFACTS"
screenshot "e2e-rewards-${WAY:-keys}-back"
kill -0 "$APP_PID" || fail "the program ended"
echo "e2e: both reward games played by ${WAY:-keys}, read through AT-SPI; screenshots in $ARTIFACTS"
