# Shared by the end-to-end tests: a private Xvfb display with the program on it,
# and small helpers to find windows and drive the real mouse.

fail() { echo "FAIL: $*"; exit 1; }

# start_x_session PROGRAM ARTIFACTS: screenshots go to ARTIFACTS.
start_x_session() {
    local program="$1"
    ARTIFACTS="$2"
    mkdir -p "$ARTIFACTS"
    for tool in Xvfb xdotool import xclip; do
        command -v "$tool" >/dev/null || fail "missing $tool (install xvfb, xdotool, imagemagick, xclip)"
    done
    local n
    DISPLAY=""
    for n in $(seq 91 140); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then DISPLAY=":$n"; break; fi
    done
    [ -n "$DISPLAY" ] || fail "no free X display"
    export DISPLAY
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    APP_PID=""
    trap stop_x_session EXIT
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
    WM_PID=""
    if [ -n "${WITH_WINDOW_MANAGER:-}" ]; then # frames and title bars, as on a desktop
        command -v openbox >/dev/null || fail "missing openbox"
        local ready
        ready="$(mktemp -u)"
        # A window mapped while openbox is still starting up is never shown.
        openbox --startup "touch $ready" >/dev/null 2>&1 &
        WM_PID=$!
        for _ in $(seq 100); do [ -e "$ready" ] && break; sleep 0.1; done
        [ -e "$ready" ] || fail "openbox did not start"
        rm -f "$ready"
    fi
    # The program's error output is kept: a sanitizer build reports there.
    APP_LOG="$ARTIFACTS/$(basename "$0" .sh).stderr"
    QT_QPA_PLATFORM=xcb "$program" 2>"$APP_LOG" &
    APP_PID=$!
}

# A sanitizer report whose stack passes through our own sources fails the test;
# reports that stay inside system libraries are left to the suppression file.
check_sanitizer_log() {
    local sources
    sources="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/src/"
    [ -s "${APP_LOG:-}" ] || return 0
    grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$APP_LOG" || return 0
    if sed -n '/ERROR: \(Address\|Leak\)Sanitizer\|runtime error:/,$p' "$APP_LOG" | grep -qF "$sources"; then
        echo "FAIL: sanitizer report through our sources (see $APP_LOG):"
        sed -n '/ERROR: \(Address\|Leak\)Sanitizer\|runtime error:/,+30p' "$APP_LOG"
        return 1
    fi
    echo "note: a sanitizer report inside system libraries only (see $APP_LOG)"
}

stop_x_session() {
    local status=$?
    [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null || true
    kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    check_sanitizer_log || status=1
    exit "$status"
}

# The first visible window whose title matches, waiting up to the given seconds.
find_window() { timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1 || true; }
window_origin() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$X $Y"; }
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

screenshot() { import -display "$DISPLAY" -window root "$ARTIFACTS/$1.png"; }

# Opens the one-row trainer from the main menu with a click, as a pupil does,
# and sets tx, ty to the trainer's top-left corner.
open_single_row_trainer() {
    local menu trainer
    menu=$(find_window '^Schriftliche Multiplikation$')
    [ -n "$menu" ] || fail "the main menu did not appear"
    read -r mx my < <(window_origin "$menu")
    # The one-row trainer button sits at 2880/840 twips (192/56 px), 33 px square.
    xdotool mousemove $(( mx + 192 + 16 )) $(( my + 56 + 16 )) click 1
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
