#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# `cpack -G DEB`: the package holds exactly the installed files and Debian's
# copyright and changelog, its library dependencies were read off the binaries
# by dpkg-shlibdeps (versioned, Qt's libraries among them, print support for the
# printing module, nothing the tests link), it runs no maintainer scripts, and
# lintian finds nothing to warn about.
set -euo pipefail

build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Who builds the package is set when it is built (RECHENHEFT_MAINTAINER); this
# one is named here so that lintian sees a well-formed address wherever it runs.
maintainer="Rechenheft package check <package-check@rechenheft.invalid>"
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" -D CPACK_DEBIAN_PACKAGE_MAINTAINER="$maintainer" \
    >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail "cpack -G DEB"; }
deb=("$out"/rechenheft_*_amd64.deb)
[ -f "${deb[0]}" ] || fail "no package was built"

id=de.rechenheft.Rechenheft
expected="./usr/bin/rechenheft
./usr/lib/rechenheft/plugins/librechenheft-printing.so
./usr/share/applications/$id.desktop
./usr/share/doc/rechenheft/changelog.gz
./usr/share/doc/rechenheft/copyright
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/de/man1/rechenheft.1.gz
./usr/share/man/man1/rechenheft.1.gz
./usr/share/metainfo/$id.metainfo.xml"
files="$(dpkg-deb -c "${deb[0]}" | awk '$1 !~ /^d/ {print $NF}' | sort)"
[ "$files" = "$expected" ] || fail "the package holds other files:
$files"
scripts="$(dpkg-deb --ctrl-tarfile "${deb[0]}" | tar -t | grep -E 'inst$|rm$' || true)"
[ -z "$scripts" ] || fail "the package has maintainer scripts: $scripts"

depends="$(dpkg-deb -f "${deb[0]}" Depends)"
echo "Depends: $depends"
has() { grep -qE "(^|, )$1( |,|$)" <<<"$depends"; }
for library in libc6 libstdc\\+\\+6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
    has "$library \\(>= [0-9][^)]*\\)" || fail "no versioned dependency on $library (not read off the binary?)"
done
for runtime in qt6-qpa-plugins fonts-dejavu-core fonts-liberation hicolor-icon-theme; do
    has "$runtime" || fail "no dependency on $runtime"
done
! has "libqt6test6" || fail "the package depends on the test library"
[ "$(dpkg-deb -f "${deb[0]}" Section)" = education ] || fail "not in section education"
[ "$(dpkg-deb -f "${deb[0]}" Maintainer)" = "$maintainer" ] || fail "the maintainer is not the one set at build time"
! dpkg-deb -f "${deb[0]}" Homepage | grep -q . || fail "the package names a homepage"
grep -q 'written multiplication' <<<"$(dpkg-deb -f "${deb[0]}" Description)" || fail "no English description"
dpkg-deb --fsys-tarfile "${deb[0]}" | tar -xO ./usr/share/doc/rechenheft/changelog.gz | gzip -d \
    | grep -qF -- " -- $maintainer  " || fail "the changelog is not signed by the maintainer"

# Not even at --pedantic, with the informational tags: nothing to say.
lintian --allow-root --pedantic -I --tag-display-limit 0 "${deb[0]}" >"$out/lintian.log" 2>&1 || true
[ ! -s "$out/lintian.log" ] || fail "lintian: $(cat "$out/lintian.log")"
echo "package: $(basename "${deb[0]}"), $(echo "$expected" | wc -l) files, lintian clean"
