#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds, and then starts Rechenheft ("run"), runs
# the whole test suite headless ("test") or builds the Debian package
# ("package"). Works on Debian 12, as root or with sudo.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${RECHENHEFT_BUILD_DIR:-$here/build}"
mode="${1:-run}"

# Building and running the program (dpkg-dev brings dpkg-buildflags).
program_packages=(
    build-essential dpkg-dev cmake ninja-build
    qt6-base-dev qt6-translations-l10n fonts-liberation fonts-dejavu-core
)
# Making the package: dpkg-shlibdeps (dpkg-dev) reads the libraries' packages off the binaries found by file.
package_packages=(file)
# The test suite: a private X server with a window manager and tools to drive it,
# the start-up probe, the validators for the menu entry and the AppStream data,
# lintian and reuse, and a print server of the suite's own with a PDF queue.
test_packages=(
    pkg-config libxcb-damage0-dev
    xvfb xauth xdotool xclip imagemagick poppler-utils openbox wmctrl x11-utils
    desktop-file-utils appstream file lintian reuse
    dbus-daemon at-spi2-core python3-pyatspi
    cups printer-driver-cups-pdf
)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Built with Debian's hardening flags (fortify, stack protector, relro, bindnow),
# as a package built by debhelper would be; given at every configure, so a build
# folder made before keeps them too.
# Debug information is kept to line tables (-g1): backtraces name file and line,
# the build takes a third less time, and the package strips it anyway.
# RECHENHEFT_MAINTAINER in the environment names the package's maintainer.
configure() {
    local flags
    flags="$(cd "$here" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
    (
        eval "$flags"
        cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" \
            -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" -DCMAKE_SHARED_LINKER_FLAGS="$LDFLAGS" \
            -DCMAKE_MODULE_LINKER_FLAGS="$LDFLAGS" \
            ${RECHENHEFT_MAINTAINER:+"-DRECHENHEFT_MAINTAINER=$RECHENHEFT_MAINTAINER"} "$@" >/dev/null
    )
}

# The same suite on a build with AddressSanitizer and UndefinedBehaviorSanitizer:
# the first memory error, leak or undefined behaviour fails the test that met it.
# Unoptimized (-O0): it builds faster and hides nothing. The checks of the
# installed files and the package are not repeated there.
asan="${RECHENHEFT_ASAN_BUILD_DIR:-$here/build-asan}"
sanitizers="${RECHENHEFT_SANITIZERS:-on}"
asan_build=""

# Built at the lowest priority while the first suite runs, which mostly waits
# for its X servers.
start_sanitized_build() {
    cmake -S "$here" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" \
        -DRECHENHEFT_SANITIZE=ON >/dev/null
    nice -n 19 ninja -C "$asan" -j "$(nproc)" >"$asan/build.log" 2>&1 &
    asan_build=$!
    trap '[ -z "$asan_build" ] || kill "$asan_build" 2>/dev/null || true' EXIT
}

test_sanitized() {
    wait "$asan_build" || { tail -n 50 "$asan/build.log"; exit 1; }
    asan_build=""
    echo "sanitizer build done: $SECONDS s (log: $asan/build.log)"
    ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1" \
    LSAN_OPTIONS="suppressions=$here/tests/sanitizer/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        ctest --test-dir "$asan" --output-on-failure -j 2 -LE package
}

case "$mode" in
run)
    install_missing "${program_packages[@]}"
    configure
    cmake --build "$build" -j "$(nproc)" --target rechenheft
    exec "$build/rechenheft"
    ;;
test)
    install_missing "${program_packages[@]}" "${package_packages[@]}" "${test_packages[@]}"
    SECONDS=0
    configure -DBUILD_TESTING=ON
    cmake --build "$build" -j "$(nproc)"
    echo "build: $SECONDS s"
    [ "$sanitizers" = off ] || start_sanitized_build
    ctest --test-dir "$build" --output-on-failure -j 2
    echo "build and suite: $SECONDS s"
    [ "$sanitizers" = off ] && exit 0
    test_sanitized
    echo "both builds and suites: $SECONDS s"
    ;;
package)
    install_missing "${program_packages[@]}" "${package_packages[@]}"
    configure -DBUILD_TESTING=OFF
    cmake --build "$build" -j "$(nproc)"
    (cd "$build" && cpack -G DEB)
    ;;
*)
    echo "usage: $0 [run|test|package]" >&2
    exit 2
    ;;
esac
