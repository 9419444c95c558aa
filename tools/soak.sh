#!/usr/bin/env bash
# Soak test: the real program under Xvfb, with the openbox window manager so
# that close requests come as a desktop sends them, receives random real input
# for MINUTES minutes, as a child at the mouse and keyboard would give it:
# clicks anywhere in its windows, digit tiles dragged from the tile row onto
# random points of a trainer (and, more often, onto fields found by an earlier
# drop that was checked, or into their rows, so that tasks do get solved), random keys, close requests,
# and every message box answered with Enter, Escape or a click. Every few
# seconds it records whether the program runs and shows a window, its resident
# memory and the number of tasks solved so far.
#
#   tools/soak.sh MINUTES [SEED] [PROGRAM]      (PROGRAM defaults to build/rechenheft)
#
# Prints events per second, program starts, crashes, moments with no window,
# tasks solved, and the memory over time with its trend after a warm-up; the
# program's error output and the events worth a look go to SOAK_LOG
# (default: artifacts/soak-SEED.log beside the program). Exits non-zero after a
# crash or a moment with no window. The program's files go to a fresh home
# folder that is removed at the end.
set -uo pipefail

minutes="${1:?usage: tools/soak.sh MINUTES [SEED] [PROGRAM]}"
seed="${2:-1}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="$(realpath "${3:-$here/build/rechenheft}")"
log="${SOAK_LOG:-$(dirname "$program")/artifacts/soak-$seed.log}"
sample_every=5
warm_up=120 # seconds of each program run left out of the memory trend
RANDOM=$seed

for tool in Xvfb openbox xdotool wmctrl xprop xwininfo; do
    command -v "$tool" >/dev/null ||
        { echo "missing $tool (apt install xvfb openbox xdotool wmctrl x11-utils)"; exit 2; }
done
[ -x "$program" ] || { echo "no program at $program (build it first)"; exit 2; }
mkdir -p "$(dirname "$log")"

# A home of its own: a PDF saved by a random Enter in the file dialog lands there.
work="$(mktemp -d)"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

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
    rm -rf "$work"
}
trap cleanup EXIT

note() { echo "$(date +%T) $*" >>"$log"; }
# SOAK_TRACE=FILE: every event, drop and box, for a closer look.
trace() { [ -z "${SOAK_TRACE:-}" ] || echo "$(date +%T.%N) $*" >>"$SOAK_TRACE"; }

starts=0 crashes=0 ends=0 killed=0 run_start=0
start_program() {
    QT_QPA_PLATFORM=xcb "$program" 2>>"$log" &
    app=$!
    starts=$((starts + 1))
    run_start=$(date +%s)
    timeout 30 xdotool search --sync --onlyvisible --pid "$app" >/dev/null 2>&1 ||
        note "program $starts showed no window within 30 s"
}

# Whether the program is gone; a crash is an end by a signal or an error status.
program_ended() {
    kill -0 "$app" 2>/dev/null && return 1
    wait "$app"
    local status=$?
    if [ "$status" -eq 143 ] || [ "$status" -eq 137 ]; then
        killed=$((killed + 1)) # SIGTERM or SIGKILL: sent from outside, not a fault of the program
        note "program was ended from outside (status $status)"
    elif [ "$status" -ne 0 ]; then
        crashes=$((crashes + 1))
        note "program ended with status $status"
    else
        ends=$((ends + 1)) # the main menu's "Beenden" answered "Ja"
        note "program ended regularly"
    fi
    return 0
}

pick() { local items=("$@"); echo "${items[RANDOM % ${#items[@]}]}"; }

# Window kinds do not change, so each window's type is asked only once.
declare -A kind
is_box() {
    [ -n "${kind[$1]:-}" ] ||
        kind[$1]=$(xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '_NET_WM_WINDOW_TYPE_DIALOG' && echo box || echo window)
    [ "${kind[$1]}" = box ]
}

# Sets X, Y, W, H to a window's client area on the screen. (xdotool's
# getwindowgeometry is off by the title bar under a reparenting manager.)
geometry() {
    local info
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    X=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
    Y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
    W=$(awk '/^ *Width:/ { print $NF }' <<<"$info")
    H=$(awk '/^ *Height:/ { print $NF }' <<<"$info")
    [ -n "$X" ] && [ -n "$W" ]
}

events=0 empty=0 solved=0 wrong=0 last_box="" last_drop="" last_click=""
# What the child learns by trying, so that tasks do get solved and the menu
# gets left: per trainer title the fields found by a checked drop ("x,y" in
# client coordinates), those that hold a right digit now, the one worked on,
# and per field the digits reported wrong on the current task; per other window the points whose
# click changed the windows shown.
declare -A fields filled tried live working

# The known field of a trainer close to a point, if any (fields are 33x25 px
# or larger, 40 px apart; closer than that, a point that was checked is taken
# for the same field).
field_at() {
    local point x y
    for point in ${fields[$1]:-}; do
        x=${point%,*} y=${point#*,}
        if [ $(($2 - x)) -le 10 ] && [ $((x - $2)) -le 10 ] && [ $(($3 - y)) -le 8 ] && [ $((y - $3)) -le 8 ]; then
            echo "$point"
            return
        fi
    done
}

# last_drop is "title|x,y|digit"; a message after it is its check.
drop_checked() {
    local box_title="$1" title point digit field
    IFS='|' read -r title point digit <<<"$last_drop"
    last_drop=""
    field=$(field_at "$title" "${point%,*}" "${point#*,}")
    if [ -z "$field" ]; then
        field=$point
        fields[$title]="${fields[$title]:-} $field"
    fi
    trace "checked at $point (field $field): $box_title for $digit"
    case "$box_title" in
    Fehler) tried[$title|$field]="${tried[$title|$field]:-}$digit" ;;
    Malaufgabe | Lückenaufgabe) # a new task with every field empty
        filled[$title]=""
        for field in ${fields[$title]}; do tried[$title|$field]=""; done ;;
    esac
}

# A drop without a message on a known field's own point put a right digit
# there; elsewhere it may have missed every field.
drop_settled() {
    local title point digit
    IFS='|' read -r title point digit <<<"$last_drop"
    last_drop=""
    [[ " ${fields[$title]:-} " != *" $point "* ]] || filled[$title]="${filled[$title]:-} $point"
}

answer_box() {
    local box="$1" name
    if [ "$box" != "$last_box" ]; then
        last_box=$box
        name=$(xdotool getwindowname "$box" 2>/dev/null)
        case "$name" in
        Malaufgabe | Lückenaufgabe) solved=$((solved + 1)) ;;
        Fehler) wrong=$((wrong + 1)) ;;
        esac
        trace "box $name"
        [ -z "$last_drop" ] || drop_checked "$name"
    fi
    local roll=$((RANDOM % 100))
    if [ "$roll" -lt 70 ]; then
        timeout 2 xdotool windowactivate --sync "$box" key Return 2>/dev/null
    elif [ "$roll" -lt 85 ]; then
        timeout 2 xdotool windowactivate --sync "$box" key Escape 2>/dev/null
    elif geometry "$box"; then
        xdotool mousemove $((X + RANDOM % W)) $((Y + RANDOM % H)) click 1
    fi
}

# A tile from the row at the lower edge of every trainer (tile d at 64 + 40 d,
# 312 px, 33x41) onto a known field without a right digit, with a digit not yet
# reported wrong there; or into the row of a known field; or anywhere above
# the tile row.
drag_tile() {
    local title="$1" digit=$((RANDOM % 10)) tx ty point open=() known=(${fields[$1]:-})
    for point in "${known[@]}"; do
        case " ${filled[$title]:-} " in *" $point "*) ;; *) open+=("$point") ;; esac
    done
    # Every known field looks right, yet no task was solved: more fields are to
    # be found in their rows, and now and then the pupil checks them all again.
    [ "${#open[@]}" -gt 0 ] || [ $((RANDOM % 10)) -gt 0 ] || { filled[$title]=""; open=("${known[@]}"); }
    local roll=$((RANDOM % 100))
    tx=$((8 + RANDOM % (W - 16))) ty=$((8 + RANDOM % 296))
    if [ "${#open[@]}" -gt 0 ] && [ "$roll" -lt 60 ]; then
        # Like a pupil, keep at one field until a digit stays there.
        point="${working[$title]:-}"
        case " ${open[*]} " in *" $point "*) ;; *) point="${open[RANDOM % ${#open[@]}]}"; working[$title]=$point ;; esac
        tx=${point%,*} ty=${point#*,}
        local wrong_here="${tried[$title|$point]:-}" untried=()
        for d in 0 1 2 3 4 5 6 7 8 9; do [[ "$wrong_here" == *$d* ]] || untried+=("$d"); done
        [ "${#untried[@]}" -gt 0 ] || tried[$title|$point]=""
        [ "${#untried[@]}" -eq 0 ] || digit=$(pick "${untried[@]}")
    elif [ "${#known[@]}" -gt 0 ] && [ "$roll" -lt 80 ]; then
        point="${known[RANDOM % ${#known[@]}]}" # fields stand in rows
        ty=${point#*,}
    fi
    last_drop="$title|$tx,$ty|$digit"
    trace "drop $last_drop, open fields ${#open[@]} of ${#known[@]}"
    local x0=$((X + 64 + 40 * digit + 16)) y0=$((Y + 332))
    xdotool mousemove "$x0" "$y0" mousedown 1 mousemove $(((x0 + X + tx) / 2)) $(((y0 + Y + ty) / 2)) \
        sleep 0.03 mousemove $((X + tx)) $((Y + ty)) sleep 0.03 mouseup 1 sleep 0.2
}

# A click anywhere in a window; outside the trainers often on a point whose
# click did something before, so the pupil gets from the menu to a trainer.
click_in() {
    local title="$1" shown="$2" x=$((RANDOM % W)) y=$((RANDOM % H)) points=(${live[$1]:-})
    if [[ "$title" != *reihige* ]]; then
        if [ "${#points[@]}" -gt 0 ] && [ $((RANDOM % 100)) -lt 40 ]; then
            local point="${points[RANDOM % ${#points[@]}]}"
            x=${point%,*} y=${point#*,}
        fi
        last_click="$title|$x,$y|$shown"
    fi
    xdotool mousemove $((X + x)) $((Y + y)) click 1
}

event() {
    local windows=() w box="" others=() shown
    mapfile -t windows < <(xdotool search --onlyvisible --pid "$app" 2>/dev/null)
    if [ "${#windows[@]}" -eq 0 ]; then
        # A window may be switching; still none half a second later is a moment without one.
        sleep 0.5
        if kill -0 "$app" 2>/dev/null && [ -z "$(xdotool search --onlyvisible --pid "$app" 2>/dev/null)" ]; then
            empty=$((empty + 1))
            note "no window shown; the program's windows:"
            for w in $(xdotool search --pid "$app" 2>/dev/null); do
                echo "  $(xdotool getwindowname "$w" 2>/dev/null) $(xwininfo -id "$w" 2>/dev/null | grep -o 'Map State: .*')" >>"$log"
            done
            # Where the program stands, the first time: its stacks, if gdb is there.
            if [ "$empty" -eq 1 ] && command -v gdb >/dev/null; then
                gdb -p "$app" -batch -ex "thread apply all bt" >>"$log" 2>&1
            fi
        fi
        return
    fi
    shown="${windows[*]}"
    if [ -n "$last_click" ]; then
        local title point before
        IFS='|' read -r title point before <<<"$last_click"
        last_click=""
        [ "$before" = "$shown" ] || [[ " ${live[$title]:-} " == *" $point "* ]] ||
            live[$title]="${live[$title]:-} $point"
    fi
    for w in "${windows[@]}"; do
        if is_box "$w"; then box=$w; else others+=("$w"); fi
    done
    if [ -n "$box" ]; then
        answer_box "$box"
        return
    fi
    [ -z "$last_drop" ] || drop_settled
    [ "${#others[@]}" -gt 0 ] || return
    w=$(pick "${others[@]}")
    local name
    name=$(xdotool getwindowname "$w" 2>/dev/null) || return
    geometry "$w" || return
    trace "event in $name ${W}x$H at $X,$Y"
    local roll=$((RANDOM % 200))
    if [ "$roll" -lt 1 ] && [ "$name" != "Schriftliche Multiplikation" ]; then
        wmctrl -i -c "$w" # the menu's close box would end the program: left to "Beenden"
    elif [ "$roll" -lt 20 ]; then
        timeout 2 xdotool windowactivate --sync "$w" 2>/dev/null
        xdotool key "$(pick space Return Escape Left Right Up Down Tab BackSpace a 5 KP_Enter F1)"
    elif [ "$roll" -lt 160 ] && [[ "$name" == *reihige* ]]; then
        drag_tile "$name"
    else
        click_in "$name" "$shown"
    fi
}

: >"$log"
note "soak: $minutes min, seed $seed, program $program, display $DISPLAY"
start_program
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
        rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app/status" 2>/dev/null)
        [ -n "$rss" ] && samples+=("$((now - begin)) $rss $solved $starts $((now - run_start))")
    fi
done
elapsed=$(( $(date +%s) - begin ))

# The end as a desktop brings it: close requests until the menu's ends the
# program (a sanitizer build then runs its leak check), boxes answered with Enter.
for _ in $(seq 40); do
    kill -0 "$app" 2>/dev/null || break
    box="" windows=()
    for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        if is_box "$w"; then box=$w; else windows+=("$w"); fi
    done
    if [ -n "$box" ]; then
        timeout 2 xdotool windowactivate --sync "$box" key Return 2>/dev/null
    elif [ "${#windows[@]}" -gt 0 ]; then
        wmctrl -i -c "${windows[0]}"
    fi
    sleep 0.3
done
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
closing="did not end on close requests"
if ! kill -0 "$app" 2>/dev/null; then
    wait "$app"
    status=$?
    closing="ended on close requests with status $status"
    [ "$status" -eq 0 ] || crashes=$((crashes + 1))
    app=""
fi
note "at the end the program $closing"

learned=0
for title in "${!fields[@]}"; do for _ in ${fields[$title]}; do learned=$((learned + 1)); done; done
echo "soak: $minutes min, seed $seed, $events events in $elapsed s" \
     "($(awk -v e="$events" -v s="$elapsed" 'BEGIN { printf "%.1f", e / s }') per second)"
echo "program starts: $starts, crashes: $crashes, regular ends: $ends, ended from outside: $killed," \
     "moments with no window: $empty;" \
     "at the end the program $closing"
echo "tasks solved: $solved, wrong digits reported: $wrong, fields found: $learned"
printf '%s\n' "${samples[@]}" | awk -v warm="$warm_up" '
    { t[NR] = $1; r[NR] = $2 / 1024; s[NR] = $3; run[NR] = $4; age[NR] = $5 }
    END {
        if (NR == 0) { print "no memory samples"; exit }
        print "memory over time:   time    resident MiB   tasks solved"
        step = int(NR / 12); if (step < 1) step = 1
        for (i = 1; i <= NR; i += step) printf "                  %5d s   %8.1f       %6d\n", t[i], r[i], s[i]
        if ((NR - 1) % step) printf "                  %5d s   %8.1f       %6d\n", t[NR], r[NR], s[NR]
        # Least-squares slopes over the samples of the last program run after its warm-up.
        m = 0; sx = sy = sxx = sxy = 0; ss = sss = ssy = 0
        for (i = 1; i <= NR; i++) {
            if (run[i] != run[NR] || age[i] < warm) continue
            x = t[i] / 60; y = r[i]; m++
            sx += x; sy += y; sxx += x * x; sxy += x * y
            ss += s[i]; sss += s[i] * s[i]; ssy += s[i] * y
            if (m == 1) { first = i; lo = hi = y }
            if (y < lo) lo = y; if (y > hi) hi = y
        }
        if (m < 3) { print "too short for a trend after the warm-up of " warm " s"; exit }
        printf "after warm-up (%d samples from %d s): %.1f to %.1f MiB, trend %+.3f MiB per minute",
               m, t[first], lo, hi, (m * sxy - sx * sy) / (m * sxx - sx * sx)
        if (m * sss - ss * ss > 0)
            printf ", %+.3f MiB per 100 tasks solved", 100 * (m * ssy - ss * sy) / (m * sss - ss * ss)
        printf "\n"
    }'
[ "$crashes" -eq 0 ] && [ "$empty" -eq 0 ] && [ -z "$app" ]
