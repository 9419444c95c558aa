#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, as a teacher: "Blatt" and "Kopieren" clicked with the real mouse
# in the real program, the clipboard read from outside the program, and every
# product on it recomputed.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_session.sh"
start_x_session "$1" "$2"

open_single_row_trainer

# "Blatt" at 6000/120 twips (400/8 px, 57x33); "Kopieren" on the sheet's strip at 64+312/16 px (81x33).
xdotool mousemove $(( tx + 400 + 28 )) $(( ty + 8 + 16 )) click 1
sleep 0.5
screenshot e2e-sheet
xdotool mousemove $(( tx + 64 + 312 + 40 )) $(( ty + 16 + 16 )) click 1
box=$(find_window '^Zwischenablage$' 5)
[ -n "$box" ] || fail "no closing message after Kopieren"
xclip -o -selection clipboard > "$ARTIFACTS/clipboard.txt" || fail "the clipboard could not be read"
screenshot e2e-copied

awk -v RS='\r\n' '
    { line[NR - 1] = $0 }
    END {
        n = NR
        if (n != 76) { print "FAIL: " n " lines on the clipboard, expected 76"; exit 1 }
        split("2 7 12 18 23 29 34", answers, " ")
        for (i in answers) {
            r = answers[i]
            if (line[r] != " ") { print "FAIL: task part row " r " is not one space"; exit 1 }
        }
        if (line[37] != "" || line[38] != "") { print "FAIL: no empty gap between the parts"; exit 1 }
        checked = 0
        for (i in answers) {
            r = answers[i] + 39          # the same row in the solution part
            tasks = split(line[r - 2], task, " ")
            products = split(line[r], product, " ")
            if (tasks != products) { print "FAIL: row " r " has " products " products for " tasks " tasks"; exit 1 }
            for (k = 1; k <= tasks; k++) {
                split(task[k], factor, "*")
                if (factor[1] * factor[2] != product[k]) {
                    print "FAIL: " task[k] " is not " product[k]; exit 1
                }
                checked++
            }
        }
        print "clipboard: " checked " products recomputed"
    }' "$ARTIFACTS/clipboard.txt"
