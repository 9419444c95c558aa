#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

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

source "$here/tests/e2e/x_session.sh" # start_xvfb
XVFB_PID=""
trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
start_xvfb 150

QT_QPA_PLATFORM=xcb \
    "$build/tools/startup/startup_probe" "$rounds" \
    "$build/tools/startup/bare_qt_window" "$build/rechenheft"
