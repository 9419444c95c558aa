#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end on a netbook (1024x768 at a scale factor of 3, under a window
# manager): a pupil who forgets a carry in each trainer meets the three hints
# in order, read through AT-SPI, none of them over a field, tile, counter or
# command; then "Tipp", "Vormachen", the teacher's "Lernstand" and "Hilfen
# anzeigen" unticked. Screenshots of each step in ARTIFACTS.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
[ -n "${RECHENHEFT_OWN_BUS:-}" ] || exec env RECHENHEFT_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
source "$here/x_session.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_SCALE_FACTOR=3
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null ||
    fail "no accessibility bus (install at-spi2-core, python3-pyatspi, dbus-daemon)"
XVFB_SCREEN=1024x768x24 WITH_WINDOW_MANAGER=1 start_x_session "$1" "$2"
[ -n "$(find_window '^Schriftliche Multiplikation$')" ] || fail "the main menu did not appear"
sleep 1 # framed and centred again
/usr/bin/python3 "$here/help_pupil.py" "$ARTIFACTS"
echo "e2e: a forgotten carry met with three hints in each trainer, read through AT-SPI; screenshots in $ARTIFACTS"
