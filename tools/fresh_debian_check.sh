#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Follows the README on a fresh Debian 12 as a newcomer would: a minimal system
# made by debootstrap in a scratch folder gets git, clones this repository's
# last commit, runs `./rechenheft.sh run` until the menu shows on a private
# Xvfb, `./rechenheft.sh test` and `./rechenheft.sh package`, installs the
# package with `apt install`, starts it from its menu entry (the .desktop file,
# launched by dex) and a second time from there, which hands over to the first.
# Prints the time and disk space of each step. Needs root, debootstrap and the
# network; takes about half an hour. Not part of the test suite.
#
#   tools/fresh_debian_check.sh [SCRATCH]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
scratch="${1:-$(mktemp -d /tmp/rechenheft-fresh.XXXXXX)}"
root="$scratch/root"
fail() { echo "FAIL: $*"; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "run as root (debootstrap and chroot)"

# The machine's own Debian mirror (a school's local one too), as its apt sources name it:
# one-line entries first, then deb822 ones; the security archive is no mirror of the release.
debian_mirror() {
    local uri
    uri=$(awk '/^deb[ \t]/ && !/security/ { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z+]+:\/\//) { print $i; exit } }' \
              /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | head -n1)
    [ -n "$uri" ] || uri=$(awk '/^URIs:/ && !/security/ { print $2; exit }' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n1)
    [ -n "$uri" ] || fail "no Debian mirror in /etc/apt/sources.list or /etc/apt/sources.list.d"
    echo "$uri"
}

SECONDS=0
mirror="$(debian_mirror)"
echo "mirror: $mirror"
[ -d "$root/usr" ] || debootstrap --variant=minbase bookworm "$root" "$mirror" >"$scratch/debootstrap.log"
echo "debootstrap: $SECONDS s"
git -C "$here" bundle create "$root/tmp/rechenheft.bundle" HEAD 2>/dev/null

display=""
for n in $(seq 250 299); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for fs in proc dev dev/pts tmp/.X11-unix; do
    mkdir -p "$root/$fs"
    mount --bind "/$fs" "$root/$fs"
done
program=""
cleanup() {
    [ -z "$program" ] || kill "$program" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    for fs in tmp/.X11-unix dev/pts dev proc; do umount "$root/$fs" 2>/dev/null || true; done
}
trap cleanup EXIT

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive /bin/bash -euc "$1"; }
used() { du -sxm "$root" | cut -f1; }
report() { echo "$1: $SECONDS s, $(($(used) - before)) MB more on the disk"; }
step() { # NAME COMMAND: a step of the README in the fresh system
    before=$(used)
    SECONDS=0
    in_root "$2" >"$scratch/$1.log" 2>&1 || { tail -n 40 "$scratch/$1.log"; fail "$1 (log: $scratch/$1.log)"; }
    report "$1"
}
menu() { DISPLAY="$display" xdotool search --onlyvisible --name '^Schriftliche Multiplikation$' 2>/dev/null || true; }

step source "apt-get update -qq && apt-get install -y -qq git >/dev/null
    cd /root && git -c advice.detachedHead=false clone -q /tmp/rechenheft.bundle rechenheft"

# `run` ends with the program on the screen: the step is done when its menu shows.
before=$(used)
SECONDS=0
in_root "cd /root/rechenheft && DISPLAY=$display ./rechenheft.sh run" >"$scratch/run.log" 2>&1 &
runner=$!
for _ in $(seq 1800); do [ -n "$(menu)" ] && break; sleep 1; done
[ -n "$(menu)" ] || { tail -n 40 "$scratch/run.log"; fail "./rechenheft.sh run showed no menu"; }
report "run, until the menu shows"
program=$(DISPLAY="$display" xdotool getwindowpid "$(menu)")
kill "$program"
wait "$runner" || true

step test "cd /root/rechenheft && ./rechenheft.sh test"
grep -E 'tests passed|build and suite' "$scratch/test.log"
echo "build folders: $(in_root 'cd /root/rechenheft && du -sh build build-asan' | tr '\n\t' '  ')"
step package "cd /root/rechenheft && ./rechenheft.sh package"
step install "cd /root/rechenheft && apt-get install -y -qq ./build/rechenheft_*_amd64.deb"

in_root "dpkg -s rechenheft | grep -qx 'Status: install ok installed'
    test -f /usr/share/applications/de.rechenheft.Rechenheft.desktop
    apt-get install -y -qq dex >/dev/null     # what a desktop does with a menu entry
    cd / && DISPLAY=$display dex /usr/share/applications/de.rechenheft.Rechenheft.desktop &
    sleep 3
    DISPLAY=$display dex /usr/share/applications/de.rechenheft.Rechenheft.desktop   # a second start
    sleep 1
    env -u DISPLAY rechenheft 2>/tmp/nodisplay.txt && exit 1 || true" || fail "starting the installed package"

windows=$(menu | wc -l)
[ "$windows" -eq 0 ] || program=$(DISPLAY="$display" xdotool getwindowpid "$(menu | head -n1)")
import -display "$display" -window root "$scratch/fresh-menu.png"
[ "$windows" -eq 1 ] || fail "$windows main menus on the screen, expected 1"
echo "fresh Debian 12: README followed, the suite passed, the package installed with apt and"
echo "started from its menu entry, a second start handed over; screenshot $scratch/fresh-menu.png"
echo "without a display it said: $(cat "$root/tmp/nodisplay.txt")"
