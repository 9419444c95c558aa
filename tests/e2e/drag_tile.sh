#!/usr/bin/env bash
# End to end, as a pupil: the real program in a real X server, opened from the
# main menu with a mouse click, a digit tile dragged onto a carry field with
# the real mouse. Whatever the task, of two different digits dropped on the
# same field at least one is wrong, so the "Fehler" box must appear.
set -euo pipefail

program="$1"
artifacts="$2"
mkdir -p "$artifacts"

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "missing $tool (install xvfb, xdotool, imagemagick)"; exit 1; }
done

display=""
for n in $(seq 91 130); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display"; exit 1; }

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

QT_QPA_PLATFORM=xcb "$program" &
app=$!

find_window() { timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" | head -n1; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$X $Y"; }
drag() { # from-x from-y to-x to-y
    xdotool mousemove "$1" "$2"; sleep 0.2
    xdotool mousedown 1; sleep 0.2
    local steps=8
    for i in $(seq 1 $steps); do
        xdotool mousemove $(( $1 + ($3 - $1) * i / steps )) $(( $2 + ($4 - $2) * i / steps ))
        sleep 0.05
    done
    sleep 0.2
    xdotool mouseup 1
}
fehler_box() { timeout 4 xdotool search --sync --onlyvisible --name '^Fehler$' 2>/dev/null | head -n1 || true; }

menu=$(find_window '^Schriftliche Multiplikation$')
[ -n "$menu" ] || { echo "FAIL: the main menu did not appear"; exit 1; }
read -r mx my < <(geometry "$menu")
import -display "$display" -window root "$artifacts/e2e-1-menu.png"

# The one-row trainer button sits at 2880/840 twips (192/56 px), 33 px square.
xdotool mousemove $(( mx + 192 + 16 )) $(( my + 56 + 16 )) click 1
trainer=$(find_window '^Einreihige Multiplikation mit Einerzahl$')
[ -n "$trainer" ] || { echo "FAIL: the trainer did not open"; exit 1; }
sleep 0.5
read -r tx ty < <(geometry "$trainer")
import -display "$display" -window root "$artifacts/e2e-2-trainer.png"

# Tile "d" stands at 64 + 40*d, 312 (33x41 px); the ones carry field at 184, 136 (33x25 px).
carry_x=$(( tx + 184 + 16 )); carry_y=$(( ty + 136 + 12 ))
reported=0
for digit in 0 1; do
    drag $(( tx + 64 + 40 * digit + 16 )) $(( ty + 312 + 20 )) "$carry_x" "$carry_y"
    box=$(fehler_box)
    if [ -n "$box" ]; then
        reported=$((reported + 1))
        import -display "$display" -window root "$artifacts/e2e-3-wrong-digit.png"
        read -r bx by < <(geometry "$box")
        eval "$(xdotool getwindowgeometry --shell "$box")"
        # Close the box the way a pupil does: a click on its OK button (bottom right).
        xdotool key --window "$box" Return 2>/dev/null || true
        sleep 0.5
        if [ -n "$(timeout 1 xdotool search --onlyvisible --name '^Fehler$' 2>/dev/null | head -n1 || true)" ]; then
            xdotool mousemove $(( bx + WIDTH - 50 )) $(( by + HEIGHT - 25 )) click 1
            sleep 0.5
        fi
        break
    fi
done
import -display "$display" -window root "$artifacts/e2e-4-after.png"

[ "$reported" -eq 1 ] || { echo "FAIL: no wrong digit was reported after two different drops"; exit 1; }
if [ -n "$(timeout 2 xdotool search --onlyvisible --name '^Fehler$' 2>/dev/null | head -n1 || true)" ]; then
    echo "FAIL: the Fehler box did not close"; exit 1
fi
[ -n "$(find_window '^Einreihige Multiplikation mit Einerzahl$' 3)" ] || { echo "FAIL: the trainer is gone"; exit 1; }
kill -0 "$app" || { echo "FAIL: the program ended"; exit 1; }
echo "e2e: tile dragged and checked; screenshots in $artifacts"
