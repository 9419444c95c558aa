#!/usr/bin/env bash
# Tried as a new user would, on a fresh Debian 12: a minimal system made by
# debootstrap in a scratch folder, the package installed there with
# `apt install ./rechenheft_*.deb`, the program started from its menu entry
# (the .desktop file, launched by dex) on a private Xvfb, a second start from
# the menu entry handing over to the first. Needs root, debootstrap and the
# network; takes a few minutes. Not part of the test suite.
#
#   tools/fresh_debian_check.sh [PACKAGE.deb] [SCRATCH]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
scratch="${2:-$(mktemp -d /tmp/rechenheft-fresh.XXXXXX)}"
root="$scratch/root"
fail() { echo "FAIL: $*"; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "run as root (debootstrap and chroot)"

deb="${1:-}"
if [ -z "$deb" ]; then
    cmake --build "$here/build" --target rechenheft >/dev/null
    (cd "$here/build" && cpack -G DEB -B "$scratch/pkg" >/dev/null 2>&1)
    deb=$(ls "$scratch"/pkg/rechenheft_*_amd64.deb)
fi
[ -d "$root/usr" ] || debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >"$scratch/debootstrap.log"

display=""
for n in $(seq 250 299); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
mount --bind /proc "$root/proc"
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
cleanup() {
    chroot "$root" /bin/sh -c 'kill $(cat /tmp/rechenheft.pid 2>/dev/null) 2>/dev/null' || true
    kill "$xvfb" 2>/dev/null || true
    umount "$root/tmp/.X11-unix" "$root/proc" 2>/dev/null || true
}
trap cleanup EXIT

cp "$deb" "$root/tmp/"
chroot "$root" /bin/bash -euc "
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    cd /tmp && apt-get install -y -qq ./$(basename "$deb") >/tmp/install.log
    dpkg -s rechenheft | grep -qx 'Status: install ok installed'
    test -f /usr/share/applications/de.rechenheft.Rechenheft.desktop
    test -f /usr/share/icons/hicolor/scalable/apps/de.rechenheft.Rechenheft.svg
    apt-get install -y -qq dex >/dev/null     # what a desktop does with a menu entry
    cd / && DISPLAY=$display dex /usr/share/applications/de.rechenheft.Rechenheft.desktop &
    sleep 3
    pgrep -n -x rechenheft >/tmp/rechenheft.pid
    DISPLAY=$display dex /usr/share/applications/de.rechenheft.Rechenheft.desktop   # a second start
    sleep 1
    env -u DISPLAY rechenheft 2>/tmp/nodisplay.txt && exit 1 || true
" || fail "installing or starting in the fresh system (see $root/tmp/install.log)"

windows=$(DISPLAY="$display" xdotool search --onlyvisible --name '^Schriftliche Multiplikation$' | wc -l)
import -display "$display" -window root "$scratch/fresh-menu.png"
[ "$windows" -eq 1 ] || fail "$windows main menus on the screen, expected 1"
echo "fresh Debian 12: package installed with $(grep -c '^Setting up' "$root/tmp/install.log" || true) packages pulled in,"
echo "started from its menu entry, a second start handed over; screenshot $scratch/fresh-menu.png"
echo "without a display it said: $(cat "$root/tmp/nodisplay.txt")"
