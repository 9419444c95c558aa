#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Soak test: the real program under Xvfb, with the openbox window manager so
# that close requests come as a desktop sends them, receives random real input
# for MINUTES minutes, as a child at the mouse and keyboard would give it:
# clicks anywhere in its windows, digit tiles dragged from the tile row onto
# random points of a trainer and, more often, onto the empty fields seen on a
# snapshot of the trainer, one digit after another until one stays (so that
# tasks do get solved), random keys, close requests, and every message box
# answered with Enter, Escape or a click. Every few seconds it records whether
# the program runs and shows a window, its resident memory and the number of
# tasks solved so far.
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
warm_up=120 # seconds of each program run left out of the memory trend, at least
# ... and until the last window that run had not shown before was first shown:
# a window is created when it is first needed, and its memory is not a leak.
RANDOM=$seed

for tool in Xvfb openbox xdotool wmctrl xprop xwininfo import convert; do
    command -v "$tool" >/dev/null ||
        { echo "missing $tool (apt install xvfb openbox xdotool wmctrl x11-utils imagemagick)"; exit 2; }
done
[ -x "$program" ] || { echo "no program at $program (build it first)"; exit 2; }
mkdir -p "$(dirname "$log")"

# A home of its own: a PDF saved by a random Enter in the file dialog lands there.
work="$(mktemp -d)"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

source "$here/tests/e2e/x_session.sh" # start_xvfb, start_window_manager, fail
start_xvfb 141
xvfb=$XVFB_PID
# With openbox, close requests come as a desktop sends them.
start_window_manager
wm=$WM_PID

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

starts=0 crashes=0 ends=0 killed=0 run_start=0 last_new_window=0
declare -A shown_before
start_program() {
    QT_QPA_PLATFORM=xcb "$program" 2>>"$log" &
    app=$!
    starts=$((starts + 1))
    run_start=$(date +%s)
    last_new_window=0 shown_before=()
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

events=0 empty=0 solved=0 wrong=0 last_box="" last_drop="" last_click="" changes=0
# What the child sees and learns, so that tasks do get solved and the menu gets
# left: per trainer title the fields of the task shown ("x,y" in client
# coordinates, found on a snapshot of the window), those of them still empty,
# the one worked on, and per field the digits reported wrong on the current
# task; per other window the points whose click changed the windows shown.
# changes counts what may have changed a task (clicks, keys, new tasks); a
# trainer's snapshot is taken again after any of them.
declare -A fields open_fields seen_empty tried live working scanned drags

# The fields on a snapshot of a trainer: cells of a field's size in the
# colours of the trainers' fields (one-row, multi-row answer, gap). A cell that
# holds a digit has fewer pixels of its colour than its box.
scan_fields() {
    local title="$1" win="$2" found
    found=$(import -window "$win" png:- 2>/dev/null |
        convert png:- -define connected-components:verbose=true \
            -define connected-components:area-threshold=150 -connected-components 4 null: 2>/dev/null |
        awk 'NR > 1 {
            split($2, g, /[x+]/)
            if (g[1] < 25 || g[1] > 40 || g[2] < 18 || g[2] > 60) next
            if ($NF != "srgb(250,250,255)" && $NF != "srgb(128,128,255)" && $NF != "srgb(224,224,224)") next
            printf "%d,%d %s\n", g[3] + int(g[1] / 2), g[4] + int(g[2] / 2), ($4 == g[1] * g[2] ? "empty" : "filled")
        }' | sort)
    local before="${fields[$title]:-}|${seen_empty[$title]:-}" point
    fields[$title]=$(awk '{ printf " %s", $1 }' <<<"$found")
    open_fields[$title]=$(awk '$2 == "empty" { printf " %s", $1 }' <<<"$found")
    seen_empty[$title]=${open_fields[$title]}
    # Other fields, or every field empty where the last snapshot saw a digit:
    # another task, on which the digits found wrong before may be right. (A
    # single field empty again only lost a wrong digit, shown while it was reported.)
    if [ "${before%|*}" != "${fields[$title]}" ] ||
        { [ "${open_fields[$title]}" = "${fields[$title]}" ] && [ "${before#*|}" != "${fields[$title]}" ]; }; then
        for point in ${fields[$title]}; do tried[$title|$point]=""; done
    fi
    scanned[$title]=$changes
    drags[$title]=0
    trace "snapshot of $title: fields${fields[$title]}; empty${open_fields[$title]}"
}

# last_drop is "title|x,y|digit"; a message after it is its check.
drop_checked() {
    local box_title="$1" title point digit
    IFS='|' read -r title point digit <<<"$last_drop"
    last_drop=""
    trace "checked at $point: $box_title for $digit"
    case "$box_title" in
    Fehler) tried[$title|$point]="${tried[$title|$point]:-}$digit" ;;
    Malaufgabe | Lückenaufgabe) # a new task with every field empty
        changes=$((changes + 1))
        for point in ${fields[$title]:-}; do tried[$title|$point]=""; done ;;
    esac
}

# A drop without a message on an empty field put a right digit there.
drop_settled() {
    local title point digit
    IFS='|' read -r title point digit <<<"$last_drop"
    last_drop=""
    open_fields[$title]=" $(tr ' ' '\n' <<<"${open_fields[$title]:-}" | grep -vx -e "$point" -e '' | tr '\n' ' ')"
}

# A window or dialog (other than the checks' messages) that this run has not
# shown before: dialogs are created when first needed too, and the first print
# loads the printing module.
first_shown() {
    [ -z "$1" ] || [ -n "${shown_before[$1]:-}" ] && return
    shown_before[$1]=1
    last_new_window=$(($(date +%s) - run_start))
}

answer_box() {
    local box="$1" name
    if [ "$box" != "$last_box" ]; then
        last_box=$box
        name=$(xdotool getwindowname "$box" 2>/dev/null)
        case "$name" in
        Malaufgabe | Lückenaufgabe) solved=$((solved + 1)) ;;
        Fehler) wrong=$((wrong + 1)) ;;
        *) changes=$((changes + 1)); first_shown "$name" ;;
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
# 312 px, 33x41) onto an empty field, with a digit not yet reported wrong
# there; or onto any field; or anywhere above the tile row.
drag_tile() {
    local title="$1" win="$2" digit=$((RANDOM % 10)) tx ty point
    [ "${scanned[$title]:-}" = "$changes" ] && [ "${drags[$title]:-0}" -lt 30 ] || scan_fields "$title" "$win"
    drags[$title]=$((${drags[$title]:-0} + 1))
    local open=(${open_fields[$title]:-}) known=(${fields[$title]:-})
    local roll=$((RANDOM % 100))
    tx=$((8 + RANDOM % (W - 16))) ty=$((8 + RANDOM % 296))
    if [ "${#open[@]}" -gt 0 ] && [ "$roll" -lt 85 ]; then
        # Like a pupil, keep at one field until a digit stays there; a field
        # that takes none of the ten is left for another.
        point="${working[$title]:-}"
        case " ${open[*]} " in *" $point "*) ;; *) point="${open[RANDOM % ${#open[@]}]}"; working[$title]=$point ;; esac
        tx=${point%,*} ty=${point#*,}
        local wrong_here="${tried[$title|$point]:-}" untried=()
        for d in 0 1 2 3 4 5 6 7 8 9; do [[ "$wrong_here" == *$d* ]] || untried+=("$d"); done
        if [ "${#untried[@]}" -gt 0 ]; then
            digit=$(pick "${untried[@]}")
        else
            tried[$title|$point]="" working[$title]=""
        fi
    elif [ "${#known[@]}" -gt 0 ] && [ "$roll" -lt 92 ]; then
        point="${known[RANDOM % ${#known[@]}]}"
        tx=${point%,*} ty=${point#*,}
    fi
    last_drop="$title|$tx,$ty|$digit"
    trace "drop $last_drop, empty fields ${#open[@]} of ${#known[@]}"
    local x0=$((X + 64 + 40 * digit + 16)) y0=$((Y + 332))
    xdotool mousemove "$x0" "$y0" mousedown 1 mousemove $(((x0 + X + tx) / 2)) $(((y0 + Y + ty) / 2)) \
        sleep 0.03 mousemove $((X + tx)) $((Y + ty)) sleep 0.03 mouseup 1
    # A wrong digit is reported once the drag has ended; a drop counts as quiet
    # only when no message came within 0.6 s.
    local w
    for _ in 1 2 3 4 5 6; do
        sleep 0.1
        for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
            [ "$w" != "$last_box" ] && is_box "$w" && return # the box answered last may still be closing
        done
    done
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
    changes=$((changes + 1))
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
    first_shown "$name"
    local roll=$((RANDOM % 200))
    # With empty fields before her, the pupil mostly keeps at the task; with
    # no field in sight (a worksheet over the task), she mostly clicks.
    local waiting="${open_fields[$name]:-}" seen="${fields[$name]-unknown}"
    if [[ "$name" == *reihige* ]] && [ -n "${waiting// /}" ] && [ $((RANDOM % 100)) -lt 90 ]; then
        roll=100
    elif [[ "$name" == *reihige* ]] && [ -z "${seen// /}" ] && [ $((RANDOM % 100)) -lt 70 ]; then
        roll=199
    fi
    if [ "$roll" -lt 1 ] && [ "$name" != "Schriftliche Multiplikation" ]; then
        wmctrl -i -c "$w" # the menu's close box would end the program: left to "Beenden"
        changes=$((changes + 1))
    elif [ "$roll" -lt 20 ]; then
        timeout 2 xdotool windowactivate --sync "$w" 2>/dev/null
        xdotool key "$(pick space Return Escape Left Right Up Down Tab BackSpace a 5 KP_Enter F1)"
        changes=$((changes + 1))
    elif [ "$roll" -lt 160 ] && [[ "$name" == *reihige* ]]; then
        drag_tile "$name" "$w"
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
        [ -n "$rss" ] && samples+=("$((now - begin)) $rss $solved $starts $((now - run_start)) $last_new_window")
    fi
done
elapsed=$(( $(date +%s) - begin ))

# The end as a desktop brings it: close requests until the menu's ends the
# program (a sanitizer build then runs its leak check), boxes answered with Enter.
APP_PID=$app
end_program
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
printf '%s\n' "${samples[@]}" | awk -v warm_up="$warm_up" '
    { t[NR] = $1; r[NR] = $2 / 1024; s[NR] = $3; run[NR] = $4; age[NR] = $5; new_window[NR] = $6 }
    END {
        if (NR == 0) { print "no memory samples"; exit }
        warm = new_window[NR] > warm_up ? new_window[NR] : warm_up
        print "memory over time:   time    resident MiB   tasks solved"
        step = int(NR / 12); if (step < 1) step = 1
        for (i = 1; i <= NR; i += step) printf "                  %5d s   %8.1f       %6d\n", t[i], r[i], s[i]
        if ((NR - 1) % step) printf "                  %5d s   %8.1f       %6d\n", t[NR], r[NR], s[NR]
        # Least-squares slopes over the samples of the last program run after its warm-up
        # (times within a run: its last new window was first shown new_window[NR] s after its start).
        m = 0; sx = sy = sxx = sxy = 0; ss = sss = ssy = 0
        for (i = 1; i <= NR; i++) {
            if (run[i] != run[NR] || age[i] < warm) continue
            x = t[i] / 60; y = r[i]; m++
            sx += x; sy += y; sxx += x * x; sxy += x * y
            ss += s[i]; sss += s[i] * s[i]; ssy += s[i] * y
            if (m == 1) { first = i; lo = hi = y }
            if (y < lo) lo = y; if (y > hi) hi = y
        }
        if (m < 3) { print "too short for a trend after the warm-up of " warm " s (last new window at " new_window[NR] " s)"; exit }
        printf "after warm-up (%d samples from %d s; last new window at %d s): %.1f to %.1f MiB, trend %+.3f MiB per minute",
               m, t[first], new_window[NR], lo, hi, (m * sxy - sx * sy) / (m * sxx - sx * sx)
        if (m * sss - ss * ss > 0)
            printf ", %+.3f MiB per 100 tasks solved", 100 * (m * ssy - ss * sy) / (m * sss - ss * ss)
        printf "\n"
    }'
[ "$crashes" -eq 0 ] && [ "$empty" -eq 0 ] && [ -z "$app" ]
