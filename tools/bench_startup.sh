#!/usr/bin/env bash
# Start-up benchmark: starts the real program and a bare Qt window of the same
# size alternately under a private Xvfb, times each from process start to its
# first complete frame (see tools/startup/startup_probe.cpp for how a frame is
# detected) and reads its resident memory at that moment. Prints both medians
# and their ratio.
#
#   tools/bench_startup.sh [ROUNDS]        (default 30; builds what is missing)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${RECHENHEFT_BUILD_DIR:-$here/build}"
rounds="${1:-30}"

if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target rechenheft bare_qt_window startup_probe >/dev/null

display=""
for n in $(seq 150 199); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

DISPLAY="$display" QT_QPA_PLATFORM=xcb \
    "$build/tools/startup/startup_probe" "$rounds" \
    "$build/tools/startup/bare_qt_window" "$build/rechenheft"
