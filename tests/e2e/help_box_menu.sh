#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, before any dialog has opened: the context menu of the main menu's
# help box is Qt's own and speaks German. Its "&Kopieren" answers to the key K
# (the English "&Copy" would not), and copies the selected help text.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_session.sh"
start_x_session "$1" "$2"

menu=$(find_window '^Schriftliche Multiplikation$')
[ -n "$menu" ] || fail "the main menu did not appear"
sleep 0.5 # Qt's German texts come right after the menu's first frame
read -r mx my < <(window_origin "$menu")
printf '' | xclip -selection clipboard -i
# The help box stands at 840/1800 twips (56/120 px), 305x137 px.
xdotool mousemove $(( mx + 56 + 100 )) $(( my + 120 + 40 )) click 1
sleep 0.2
xdotool key ctrl+a
sleep 0.2
xdotool click 3
sleep 0.5
screenshot help-box-context-menu
xdotool key k
sleep 0.5
copied=$(xclip -o -selection clipboard 2>/dev/null || true)
[[ "$copied" == "Mit diesem Programm kann"* ]] \
    || fail "K in the help box's context menu did not copy (the menu is not German?): '${copied:0:40}'"
echo "e2e: the help box's context menu is German and copies the help text"
