#!/usr/bin/env bash
# `cpack -G DEB`: the package holds exactly the installed files, and its
# library dependencies were read off the binaries by dpkg-shlibdeps (versioned,
# Qt's libraries among them, print support for the printing module, nothing
# the tests link).
set -euo pipefail

build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1 \
    || { cat "$out/cpack.log"; fail "cpack -G DEB"; }
deb=("$out"/rechenheft_*_amd64.deb)
[ -f "${deb[0]}" ] || fail "no package was built"

id=de.rechenheft.Rechenheft
expected="./usr/bin/rechenheft
./usr/lib/rechenheft/librechenheft-printing.so
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/metainfo/$id.metainfo.xml"
files="$(dpkg-deb -c "${deb[0]}" | awk '$1 !~ /^d/ {print $NF}' | sort)"
[ "$files" = "$expected" ] || fail "the package holds other files:
$files"

depends="$(dpkg-deb -f "${deb[0]}" Depends)"
echo "Depends: $depends"
has() { grep -qE "(^|, )$1( |,|$)" <<<"$depends"; }
for library in libc6 libstdc\\+\\+6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
    has "$library \\(>= [0-9][^)]*\\)" || fail "no versioned dependency on $library (not read off the binary?)"
done
for runtime in qt6-qpa-plugins fonts-dejavu-core fonts-liberation; do
    has "$runtime" || fail "no dependency on $runtime"
done
! has "libqt6test6" || fail "the package depends on the test library"
[ "$(dpkg-deb -f "${deb[0]}" Section)" = education ] || fail "not in section education"
description="$(dpkg-deb -f "${deb[0]}" Description)"
grep -q 'Grundschule üben' <<<"$description" || fail "no German description"
echo "package: $(basename "${deb[0]}"), $(echo "$expected" | wc -l) files"
