#!/usr/bin/env bash
# Soak test: the real program under Xvfb (with the openbox window manager, so
# that close requests come as a desktop sends them) receives random real input
# for MINUTES minutes: clicks anywhere in its windows, tile drags onto the task,
# keys, and close requests. Every few seconds it records whether the program is
# alive, whether any of its windows is shown, and its resident memory.
#
#   tools/soak.sh MINUTES [SEED] [PROGRAM]      (PROGRAM defaults to build/rechenheft)
#
# Prints events per second, crashes, moments with no window, and the memory
# over time with its trend after warm-up; the log goes to soak-<seed>.log.
set -uo pipefail

minutes="${1:?usage: tools/soak.sh MINUTES [SEED] [PROGRAM]}"
seed="${2:-1}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${3:-$here/build/rechenheft}"
log="${SOAK_LOG:-$PWD/soak-$seed.log}"
sample_every=5
RANDOM=$seed

for tool in Xvfb openbox xdotool wmctrl xwininfo; do
    command -v "$tool" >/dev/null || { echo "missing $tool (apt install xvfb openbox xdotool wmctrl x11-utils)"; exit 2; }
done
[ -x "$program" ] || { echo "no program at $program (build it first)"; exit 2; }

DISPLAY=""
for n in $(seq 141 190); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then DISPLAY=":$n"; break; fi
done
[ -n "$DISPLAY" ] || { echo "no free X display"; exit 2; }
export DISPLAY
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
ready="$(mktemp -u)"
# A window mapped while openbox is still starting up is never shown: wait for it.
openbox --startup "touch $ready" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do [ -e "$ready" ] && break; sleep 0.1; done
rm -f "$ready"
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    kill "$wm" "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT

starts=0 crashes=0 ends=0
start_program() {
    QT_QPA_PLATFORM=xcb "$program" 2>>"$log" &
    app=$!
    starts=$((starts + 1))
    timeout 20 xdotool search --sync --onlyvisible --pid "$app" >/dev/null 2>&1
}

# Whether the program is gone; a crash is an end by a signal or an error status.
program_ended() {
    kill -0 "$app" 2>/dev/null && return 1
    wait "$app"
    local status=$?
    if [ "$status" -ne 0 ]; then
        crashes=$((crashes + 1))
        echo "$(date +%T) program ended with status $status" >>"$log"
    else
        ends=$((ends + 1)) # the main menu's close box or "Beenden" answered Yes
    fi
    return 0
}

pick() { local items=("$@"); echo "${items[RANDOM % ${#items[@]}]}"; }

event() {
    local windows window name X Y WIDTH HEIGHT
    mapfile -t windows < <(xdotool search --onlyvisible --pid "$app" 2>/dev/null)
    [ "${#windows[@]}" -gt 0 ] || return
    window=$(pick "${windows[@]}")
    # xwininfo gives the true inside of a framed window (xdotool counts the frame twice).
    local info
    info=$(xwininfo -id "$window" 2>/dev/null) || return
    name=$(sed -n 's/^xwininfo: Window id: [^"]*"\(.*\)"$/\1/p' <<<"$info")
    X=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
    Y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
    WIDTH=$(awk '/^ *Width:/ { print $NF }' <<<"$info")
    HEIGHT=$(awk '/^ *Height:/ { print $NF }' <<<"$info")
    [ -n "$WIDTH" ] && [ "$WIDTH" -gt 0 ] && [ "$HEIGHT" -gt 0 ] || return
    local roll=$((RANDOM % 100))
    [ -n "${SOAK_TRACE:-}" ] && echo "$(date +%T.%N) $roll ${name} ${WIDTH}x${HEIGHT}" >>"$SOAK_TRACE"
    if [ "$name" = "Schriftliche Multiplikation" ] && [ "$HEIGHT" -lt 300 ]; then
        # The exit question: the pupil stays ("Nein" is the default).
        xdotool windowactivate --sync "$window" key Escape 2>/dev/null
    elif [ "$roll" -lt 2 ] && [ "$name" != "Schriftliche Multiplikation" ]; then
        wmctrl -i -c "$window"
    elif [ "$roll" -lt 12 ]; then
        xdotool windowactivate "$window" 2>/dev/null
        xdotool key "$(pick space Return Escape Left Right Up Down Tab a 5 KP_Enter)"
    elif [ "$roll" -lt 55 ] && [[ "$name" == *reihige* ]]; then
        # A tile from the row at the lower edge onto a random place of the task.
        local digit=$((RANDOM % 10))
        local x0=$((X + 64 + 40 * digit + 16)) y0=$((Y + 332))
        local x1=$((X + 70 + RANDOM % 380)) y1=$((Y + 50 + RANDOM % 240))
        xdotool mousemove "$x0" "$y0" mousedown 1 mousemove $(((x0 + x1) / 2)) $(((y0 + y1) / 2)) \
            sleep 0.03 mousemove "$x1" "$y1" sleep 0.03 mouseup 1
    else
        xdotool mousemove $((X + RANDOM % WIDTH)) $((Y + RANDOM % HEIGHT)) click 1
    fi
}

visible_windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }

: >"$log"
start_program
events=0 empty=0
begin=$(date +%s)
end=$((begin + minutes * 60))
next_sample=$begin
samples=()
while [ "$(date +%s)" -lt "$end" ]; do
    if program_ended; then
        start_program
        continue
    fi
    event
    events=$((events + 1))
    now=$(date +%s)
    if [ "$now" -ge "$next_sample" ]; then
        next_sample=$((now + sample_every))
        # A window may be switching; no window twice in a row counts as a moment without one.
        if [ "$(visible_windows)" -eq 0 ]; then
            sleep 0.5
            if kill -0 "$app" 2>/dev/null && [ "$(visible_windows)" -eq 0 ]; then
                empty=$((empty + 1))
                echo "$(date +%T) no window shown; the program's windows:" >>"$log"
                for w in $(xdotool search --pid "$app" 2>/dev/null); do
                    echo "  $(xdotool getwindowname "$w" 2>/dev/null) $(xwininfo -id "$w" 2>/dev/null | grep -o 'Map State: .*')" >>"$log"
                done
                # Where the program stands, once: its stacks, if gdb is there.
                if [ "$empty" -eq 1 ] && command -v gdb >/dev/null; then
                    gdb -p "$app" -batch -ex "thread apply all bt" >>"$log" 2>&1
                fi
            fi
        fi
        rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app/status" 2>/dev/null)
        [ -n "$rss" ] && samples+=("$((now - begin)) $rss $starts")
    fi
done
elapsed=$(( $(date +%s) - begin ))

echo "soak: $minutes min, seed $seed, $events events ($(awk -v e="$events" -v s="$elapsed" 'BEGIN { printf "%.1f", e / s }') per second)"
echo "program starts: $starts, crashes: $crashes, regular ends: $ends, moments with no window: $empty"
printf '%s\n' "${samples[@]}" | awk -v minutes="$minutes" '
    { t[NR] = $1; r[NR] = $2; run[NR] = $3 }
    END {
        print "memory (resident, MiB) over time:"
        step = int(NR / 10); if (step < 1) step = 1
        for (i = 1; i <= NR; i += step) printf "  %4d s  %6.1f\n", t[i], r[i] / 1024
        # Trend of the last program run after a warm-up of its first fifth.
        n = 0; last = run[NR]
        for (i = 1; i <= NR; i++) if (run[i] == last) { first = (n == 0) ? i : first; n++ }
        skip = int(n / 5); sx = sy = sxx = sxy = m = 0
        for (i = first + skip; i <= NR; i++) { x = t[i] / 60; y = r[i] / 1024; sx += x; sy += y; sxx += x * x; sxy += x * y; m++ }
        if (m > 2 && (m * sxx - sx * sx) != 0)
            printf "trend after warm-up: %+.3f MiB per minute over %d samples\n", (m * sxy - sx * sy) / (m * sxx - sx * sx), m
    }'
[ "$crashes" -eq 0 ] && [ "$empty" -eq 0 ]
