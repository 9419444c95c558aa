#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# `cmake --install` into a scratch DESTDIR: the executable, the menu entry, the
# icon, the AppStream data and the manual pages land in their places; the menu
# entry and the AppStream data pass their validators.
set -euo pipefail

build="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

id=de.rechenheft.Rechenheft
expected="usr/bin/rechenheft
usr/lib/rechenheft/plugins/librechenheft-printing.so
usr/share/applications/$id.desktop
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/de/man1/rechenheft.1.gz
usr/share/man/man1/rechenheft.1.gz
usr/share/metainfo/$id.metainfo.xml"
actual="$(cd "$root" && find . -type f | sed 's#^\./##' | sort)"
[ "$actual" = "$expected" ] || fail "installed files differ:
$actual"
[ -x "$root/usr/bin/rechenheft" ] || fail "the program is not executable"
# Print support is loaded with the printing module at the first print, not at start;
# the program finds the module by its path relative to itself.
! readelf -d "$root/usr/bin/rechenheft" | grep -q 'NEEDED.*PrintSupport' \
    || fail "the program links Qt's print support at start"
relative="$(strings -el "$root/usr/bin/rechenheft" | grep -x '/\.\./.*rechenheft/plugins' | head -n1)"
[ -f "$root/usr/bin$relative/librechenheft-printing.so" ] \
    || fail "the program looks for its printing module in usr/bin$relative"

desktop="$root/usr/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Exec=rechenheft' "$desktop" || fail "the menu entry does not start rechenheft"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry names another icon"
grep -q '^Categories=Education;Math;' "$desktop" || fail "the menu entry is not under Education/Math"
grep -q '^Comment=.*ü' "$desktop" || fail "the comment is not German"

# With the network allowed: the data names no web address that could be unreachable.
metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate --explain "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree "$root/usr" || fail "appstreamcli validate-tree"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "no project licence"
grep -q '<summary>.*multiplication' "$metainfo" || fail "no English summary"
grep -q '<summary xml:lang="de">.*Multiplikation' "$metainfo" || fail "no German summary"

grep -q "<svg xmlns=\"http://www.w3.org/2000/svg\"" "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" \
    || fail "the icon is not an SVG"
echo "install tree: $(echo "$expected" | wc -l) files, both validators pass"
