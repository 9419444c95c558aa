#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end, as a new teacher in each trainer: "Blatt", "Karoblatt", eight
# tasks with one own task after a refused one, both sheets printed and read
# back by karoblatt_pages.py. MODE "printer": on a print server of the test's
# own with a PDF queue as its default printer (as root only), the documents
# read from its spool; MODE "pdf": without a printer, saved as PDF files.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_session.sh"
mode="$3" queue=Karoblatt-PDF CUPSD_PID="" CUPS_DIR=""

# Its own configuration, spool and socket. The queue is stopped: the jobs stay in
# the spool as the program sent them, and the PDF backend writes nothing anywhere.
start_print_server() {
    CUPS_DIR="$(mktemp -d)"
    mkdir -p "$CUPS_DIR"/{conf/ppd,spool,cache,state,tmp,log}
    { grep -vE '^\s*(Listen|Port|Browsing|BrowseLocalProtocols)\b' /etc/cups/cupsd.conf
      printf 'Listen %s/cups.sock\nBrowsing No\nPreserveJobFiles Yes\n' "$CUPS_DIR"; } >"$CUPS_DIR/conf/cupsd.conf"
    printf 'ServerRoot %s/conf\nRequestRoot %s/spool\nCacheDir %s/cache\nStateDir %s/state\nTempDir %s/tmp\n' \
        "$CUPS_DIR" "$CUPS_DIR" "$CUPS_DIR" "$CUPS_DIR" "$CUPS_DIR" >"$CUPS_DIR/conf/cups-files.conf"
    printf 'ErrorLog %s/log/error_log\nAccessLog %s/log/access_log\nPageLog %s/log/page_log\n' \
        "$CUPS_DIR" "$CUPS_DIR" "$CUPS_DIR" >>"$CUPS_DIR/conf/cups-files.conf"
    cupsd -f -c "$CUPS_DIR/conf/cupsd.conf" -s "$CUPS_DIR/conf/cups-files.conf" &
    CUPSD_PID=$!
    export CUPS_SERVER="$CUPS_DIR/cups.sock"
    for _ in $(seq 50); do [ -S "$CUPS_SERVER" ] && break; sleep 0.2; done
    lpadmin -p "$queue" -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || fail "no PDF queue"
    lpadmin -d "$queue" && cupsdisable "$queue"
    lpstat -d | grep -q "$queue" || fail "the PDF queue is not the default printer"
}
stop_print_server() {
    [ -z "$CUPSD_PID" ] || { kill "$CUPSD_PID" 2>/dev/null; wait "$CUPSD_PID" 2>/dev/null; } || true
    [ -z "$CUPS_DIR" ] || rm -rf "$CUPS_DIR"
}

if [ "$mode" = pdf ]; then
    export CUPS_SERVER=/nonexistent/cups.sock # no printer, whatever the machine has
elif [ "$(id -u)" -ne 0 ] || ! command -v cupsd >/dev/null; then
    echo "skipped: a print server of its own needs root and the packages cups and printer-driver-cups-pdf"
    exit 77
else
    trap stop_print_server EXIT
    start_print_server
fi
start_x_session "$1" "$2"
trap 'status=$?; stop_print_server; set +e; (exit $status); stop_x_session' EXIT

click_at() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
typed() { xdotool key ctrl+a; xdotool type --delay 30 "$1"; sleep 0.3; }
# A dialog with the title, not a window of the same name.
find_box() {
    local w
    for _ in $(seq 50); do
        for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG && { echo "$w"; return; }
        done
        sleep 0.2
    done
}
# "Ja" stands beside the default "Nein": Tab, then Space.
answer_yes() { [ -n "$1" ] || fail "no question"; xdotool windowfocus "$1" 2>/dev/null; xdotool key Tab space; sleep 0.5; }

# print_sheet BUTTON_X NAME TITLE: the password (the points, 0), the question, then the printer or a PDF file.
print_sheet() {
    click_at $(( kx + $1 )) $(( ky + 368 ))
    [ -n "$(find_box '^Druckersperre aufheben$')" ] || fail "$2: no password asked"
    typed 0 && xdotool key Return
    answer_yes "$(find_box "^$3\$")"
    if [ "$mode" = pdf ]; then
        answer_yes "$(find_box "^$3\$")" # as a PDF file?
        [ -n "$(find_box 'als PDF-Datei speichern$')" ] || fail "$2: no file dialog"
        rm -f "$ARTIFACTS/$2.pdf"
        typed "$ARTIFACTS/$2.pdf" && xdotool key Return
    fi
    box=$(find_box '^Drucken$')
    [ -n "$box" ] || fail "$2: no closing message"
    close_box "$box"
}

# sheet NAME TITLE OWN [Treppe], with the trainer open at tx, ty.
sheet() {
    click_at $(( tx + 428 )) $(( ty + 24 ))             # "Blatt"
    click_at $(( tx + 110 )) $(( ty + 341 ))            # "Karoblatt", under the list
    read -r kx ky < <(window_origin "$(find_window "^Karoblatt.*$2\$")")
    [ -n "$kx" ] || fail "$1: no Karoblatt window"
    click_at $(( kx + 264 )) $(( ky + 28 )); typed 8    # "Anzahl der Aufgaben"
    [ -z "${4:-}" ] || { click_at $(( kx + 344 )) $(( ky + 60 )); xdotool key Down Return; }
    click_at $(( kx + 240 )) $(( ky + 276 )); typed "$3 mal 2"
    click_at $(( kx + 74 )) $(( ky + 368 ))
    box=$(find_box '^Karoblatt$')
    [ -n "$box" ] || fail "$1: the task with two signs was not refused"
    screenshot "karoblatt-$1-refused"
    close_box "$box"
    click_at $(( kx + 240 )) $(( ky + 276 )); typed "$3"
    print_sheet 74 "karoblatt-$1-aufgaben" "$2"
    print_sheet 194 "karoblatt-$1-loesungen" "$2"
    click_at $(( kx + 416 )) $(( ky + 368 ))            # "Schließen"
    click_at $(( tx + 92 )) $(( ty + 24 ))              # "Abbruch", over the trainer's "Ende"
    click_at $(( tx + 92 )) $(( ty + 24 ))              # "Ende"
}
open_trainer() { click_menu_button "$1" 320; sleep 1; read -r tx ty < <(window_origin "$(find_window "^$2\$")"); }

open_single_row_trainer
sheet einreihig "Einreihige Multiplikation" "4711 mal 6"
open_trainer 232 "Zweireihige Multiplikation"
sheet zweireihig "Zweireihige Multiplikation" "4711 mal 23" Treppe
open_trainer 336 "Dreireihige Multiplikation"
sheet dreireihig "Dreireihige Multiplikation" "4711 mal 234"

job=0
for name in einreihig zweireihig dreireihig; do
    for side in aufgaben loesungen; do
        pdf="$ARTIFACTS/karoblatt-$name-$side.pdf"
        if [ "$mode" = printer ]; then # what the print server got, in the order sent
            job=$((job + 1)) spooled="$CUPS_DIR/spool/$(printf 'd%05d-001' "$job")"
            for _ in $(seq 50); do [ -s "$spooled" ] && break; sleep 0.2; done
            cp "$spooled" "$pdf" || fail "job $job is not in the spool"
        fi
        pdftoppm -r 254 -gray -f 1 -l 1 -singlefile "$pdf" "$ARTIFACTS/karoblatt-$name-$side"
        pdftoppm -r 60 -png -f 1 -l 1 -singlefile "$pdf" "$ARTIFACTS/karoblatt-$name-$side-$mode"
    done
    case $name in
        einreihig) flags=(--title "Einreihige Multiplikation" --first "4711·6") ;;
        zweireihig) flags=(--title "Zweireihige Multiplikation" --first "4711·23" --multi --staircase) ;;
        dreireihig) flags=(--title "Dreireihige Multiplikation" --first "4711·234" --multi) ;;
    esac
    python3 "$here/karoblatt_pages.py" "$ARTIFACTS/karoblatt-$name-"{aufgaben,loesungen}.pdf --count 8 "${flags[@]}" \
        --pgm "$ARTIFACTS/karoblatt-$name-"{aufgaben,loesungen}.pgm
    rm -f "$ARTIFACTS/karoblatt-$name-"*.pgm
done
kill -0 "$APP_PID" || fail "the program ended"
echo "e2e: Karoblatt ($mode) in all three trainers; the pages in $ARTIFACTS/karoblatt-*-$mode.png"
