#!/usr/bin/env bash
# Installs what is missing, builds, and then starts Rechenheft ("run") or runs
# the whole test suite headless ("test"). Works on Debian 12, as root or with sudo.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${RECHENHEFT_BUILD_DIR:-$here/build}"
mode="${1:-run}"

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libgl-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth xdotool xclip imagemagick poppler-utils
    desktop-file-utils appstream dpkg-dev file libxcb-damage0-dev
)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_program() {
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j "$(nproc)"
}

case "$mode" in
run)
    install_missing
    build_program
    exec "$build/rechenheft"
    ;;
test)
    install_missing
    build_program
    cd "$build"
    ctest --output-on-failure -j 2
    ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
