#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every file git knows the two SPDX lines (copyright holder and licence)
# that it lacks, in the comment syntax of its type: after a `#!` line or an XML
# declaration, otherwise at the top. Files that cannot carry a comment (the
# pictures, the Debian copyright file and changelog) are covered by .reuse/dep5.
# Running it again changes nothing; `reuse lint` checks the result.
#
#   tools/spdx_headers.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

holder="2026 Rechenheft contributors"
spdx="SPDX" # split, so that this script's own header is the only one reuse reads here

while IFS= read -r -d '' file; do
    [ -f "$file" ] && [ ! -L "$file" ] || continue
    grep -q "$spdx-License-Identifier:" "$file" && continue
    licence=GPL-3.0-or-later
    case "$file" in
    *.metainfo.xml.in) licence=CC0-1.0 ;; # AppStream data is CC0, as its metadata_license says
    esac
    case "$file" in
    *.cpp | *.h) open="// " close="" ;;
    *.sh | *.cmake | */CMakeLists.txt | CMakeLists.txt | *.supp | *.desktop | .gitignore | .ci/run) open="# " close="" ;;
    *.svg | *.xml.in | *.md) open="<!-- " close=" -->" ;;
    *.1) open='.\" ' close="" ;;
    *) continue ;;
    esac
    header="$open$spdx-FileCopyrightText: $holder$close
$open$spdx-License-Identifier: $licence$close"
    first="$(head -n1 "$file")"
    kept=1 # the lines that stay above the header
    [[ "$first" == '#!'* || "$first" == '<?xml'* ]] || kept=0
    {
        head -n "$kept" "$file"
        printf '%s\n' "$header"
        [[ "$file" == *.1 ]] || echo # troff would print an empty line
        tail -n +"$((kept + 1))" "$file"
    } >"$file.spdx"
    chmod --reference="$file" "$file.spdx"
    mv "$file.spdx" "$file"
    echo "$file"
done < <(git ls-files -z)
