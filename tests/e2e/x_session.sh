# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the end-to-end tests: a private Xvfb display with the program on it,
# and small helpers to find windows and drive the real mouse.

fail() { echo "FAIL: $*"; exit 1; }

# start_x_session PROGRAM ARTIFACTS: screenshots go to ARTIFACTS.
start_x_session() {
    local program="$1"
    ARTIFACTS="$2"
    mkdir -p "$ARTIFACTS"
    for tool in Xvfb xdotool import xclip openbox wmctrl xprop; do
        command -v "$tool" >/dev/null ||
            fail "missing $tool (install xvfb, xdotool, imagemagick, xclip, openbox, wmctrl, x11-utils)"
    done
    APP_PID="" WM_PID=""
    trap stop_x_session EXIT
    start_xvfb 91
    # frames and title bars, as on a desktop
    [ -z "${WITH_WINDOW_MANAGER:-}" ] || start_window_manager || fail "openbox did not start"
    # The program's error output is kept: a sanitizer build reports there.
    APP_LOG="$ARTIFACTS/$(basename "$0" .sh).stderr"
    QT_QPA_PLATFORM=xcb "$program" 2>"$APP_LOG" &
    APP_PID=$!
}

# Starts a private Xvfb on the first free display of the 50 from FIRST on and
# waits until it takes clients; exports DISPLAY, sets XVFB_PID. The screen is
# 1280x1024 unless XVFB_SCREEN asks for another (as WIDTHxHEIGHTxDEPTH).
start_xvfb() {
    local n
    DISPLAY=""
    for n in $(seq "$1" $(($1 + 49))); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then DISPLAY=":$n"; break; fi
    done
    [ -n "$DISPLAY" ] || fail "no free X display"
    export DISPLAY
    Xvfb "$DISPLAY" -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
}

# Starts openbox and waits until it manages windows (one mapped while it is
# still starting up is never shown); sets WM_PID.
start_window_manager() {
    local ready
    ready="$(mktemp -u)"
    openbox --startup "touch $ready" >/dev/null 2>&1 &
    WM_PID=$!
    for _ in $(seq 100); do [ -e "$ready" ] && break; sleep 0.1; done
    [ -e "$ready" ] && rm -f "$ready"
}

# Ends the program as a desktop does: a window manager (started only now when
# the test itself ran without one) sends close requests (a trainer goes back to the
# menu, a game asks and goes back to its trainer, the menu ends the program),
# and every message box is answered with its default button. Only a program
# that ends on its own runs its exit checks, the sanitizer build's leak check
# among them. Fails when the program is still running after all that.
end_program() {
    kill -0 "$APP_PID" 2>/dev/null || return 0
    [ -n "$WM_PID" ] || start_window_manager || echo "note: openbox did not start"
    local w box windows
    for _ in $(seq 30); do
        kill -0 "$APP_PID" 2>/dev/null || break
        box="" windows=()
        for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
            if xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '_NET_WM_WINDOW_TYPE_DIALOG'; then
                box=$w
            else
                windows+=("$w")
            fi
        done
        if [ -n "$box" ]; then
            xdotool windowactivate --sync "$box" key Return 2>/dev/null || true
        elif [ ${#windows[@]} -gt 0 ]; then
            wmctrl -i -c "${windows[0]}" 2>/dev/null || true
        fi
        sleep 0.3
    done
    # The leak check of a sanitizer build runs after the last window has gone.
    for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    ! kill -0 "$APP_PID" 2>/dev/null
}

# Any sanitizer report fails the test: one whose stack passes through our own
# sources is a fault of ours; one that stays inside system libraries is
# tolerated only once it is named, with its reason, in the suppression file
# (tests/sanitizer/lsan.supp), and then it is not printed at all.
check_sanitizer_log() {
    local sources report='ERROR: (Address|Leak)Sanitizer|runtime error:'
    sources="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/src/"
    [ -s "${APP_LOG:-}" ] && grep -qE "$report" "$APP_LOG" || return 0
    if sed -En "/$report/,\$p" "$APP_LOG" | grep -qF "$sources"; then
        echo "FAIL: a sanitizer report through our sources (all of it in $APP_LOG):"
    else
        echo "FAIL: a sanitizer report inside system libraries; if it is not ours, name it with its" \
             "reason in tests/sanitizer/lsan.supp (all of it in $APP_LOG):"
    fi
    sed -En "/$report/,+30p" "$APP_LOG"
    return 1
}

stop_x_session() {
    local status=$? ended=0 code=0
    if [ -n "${APP_PID:-}" ]; then
        end_program && ended=1
        kill "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || code=$?
        if [ "$ended" -eq 0 ]; then
            echo "FAIL: the program did not end on close requests to its windows"
            status=1
        elif [ "$code" -ne 0 ]; then
            echo "FAIL: the program ended with status $code"
            status=1
        fi
    fi
    [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null || true
    kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    check_sanitizer_log || status=1
    exit "$status"
}

# The first visible window whose title matches, waiting up to the given seconds.
find_window() { timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1 || true; }
# The top-left corner of a window's inside on the screen, framed by a window manager or not.
window_origin() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'; }
window_open() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)" ]; }

# A drag in small steps, as a hand moves.
drag() {
    xdotool mousemove "$1" "$2"; sleep 0.2
    xdotool mousedown 1; sleep 0.2
    local steps=8 i
    for i in $(seq 1 $steps); do
        xdotool mousemove $(( $1 + ($3 - $1) * i / steps )) $(( $2 + ($4 - $2) * i / steps ))
        sleep 0.05
    done
    sleep 0.2
    xdotool mouseup 1
}

# A quick drag, as a practised hand makes it.
quick_drag() {
    xdotool mousemove "$1" "$2" mousedown 1
    xdotool mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 ))
    sleep 0.03
    xdotool mousemove "$3" "$4"
    sleep 0.05
    xdotool mouseup 1
    sleep 0.05
}

screenshot() { import -display "$DISPLAY" -window root "$ARTIFACTS/$1.png"; }

pixel() { # colour of the screen pixel at x, y as "r,g,b" (import may print 8 or 16 bits a channel)
    local line depth
    line=$(import -display "$DISPLAY" -window root -crop "1x1+$1+$2" txt:- 2>/dev/null) ||
        fail "the screen could not be read at $1, $2"
    depth=$(sed -n '1s/.*,\([0-9]*\),[a-z]*$/\1/p' <<<"$line")
    sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' <<<"$line" |
        awk -v max="${depth:-255}" '{ s = 255 / max; printf "%d,%d,%d\n", $1 * s + 0.5, $2 * s + 0.5, $3 * s + 0.5 }'
}

# frame_of WINDOW: left, top, width and height of the window with its frame
# (under a window manager, which gives it a title bar).
frame_of() {
    local x y w h l r t b
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
                                               /^  Width/ {w = $2} /^  Height/ {h = $2} END {print x, y, w, h}')
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    [ "${t:-0}" -gt 0 ] || fail "window $1 has no title bar"
    echo $((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))
}

# Clicks the middle of the main menu's 33 px picture button whose top-left
# corner stands at LEFT, TOP (px in the menu's client area); sets mx, my to the
# menu's top-left corner.
click_menu_button() {
    local menu
    menu=$(find_window '^Schriftliche Multiplikation$')
    [ -n "$menu" ] || fail "the main menu is not shown"
    read -r mx my < <(window_origin "$menu")
    xdotool mousemove $(( mx + $1 + 16 )) $(( my + $2 + 16 )) click 1
}

# Opens the one-row trainer from the main menu with a click, as a pupil does,
# and sets tx, ty to the trainer's top-left corner.
open_single_row_trainer() {
    local trainer
    click_menu_button 192 56 # the one-row trainer's button, at 2880/840 twips
    trainer=$(find_window '^Einreihige Multiplikation mit Einerzahl$')
    [ -n "$trainer" ] || fail "the trainer did not open"
    sleep 1
    read -r tx ty < <(window_origin "$trainer")
}

close_box() { # the way a pupil does: Enter takes the default button
    local box="$1"
    xdotool windowfocus "$box" 2>/dev/null || true
    xdotool key Return
    for _ in $(seq 20); do
        xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$box" || return 0
        sleep 0.1
    done
    fail "a message box did not close on Enter"
}
