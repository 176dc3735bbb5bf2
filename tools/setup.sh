#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Installs the Debian packages that are missing, builds, and then plays the game or runs every test.
# Usage: tools/setup.sh play | test | package | windows | arm64 | web
set -euo pipefail
cd "$(dirname "$0")/.."

windows_packages=(cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis)
build_packages=(cmake g++ make dpkg-dev qt6-base-dev fonts-liberation fonts-dejavu-core)
# The browser program is built with Debian's emscripten and served with Python's own server; its
# tests drive Debian's Chromium and WebKit through WebDriver and Firefox through its own WebDriver
# BiDi socket.
web_packages=(cmake make emscripten python3)
web_test_packages=("${web_packages[@]}" chromium chromium-driver python3-selenium imagemagick
    fonts-liberation firefox-esr webkit2gtk-driver python3-websockets)
test_packages=(locales xvfb x11-utils xdotool xclip imagemagick desktop-file-utils appstream
    clang-format-19 git file reuse lintian devscripts man-db diffoscope-minimal
    weston qt6-wayland dbus-daemon at-spi2-core python3 python3-gi gir1.2-atspi-2.0
    wine wine64 "${windows_packages[@]}" "${web_test_packages[@]}")
package_packages=(file appstream)
# The arm64 program is built with Debian's cross compiler against arm64's own Qt packages, with
# this machine's Qt tools, and its tests run under qemu-user.
arm64_packages=(cmake make dpkg-dev file appstream lintian devscripts locales fonts-liberation
    fonts-dejavu-core qt6-base-dev-tools crossbuild-essential-arm64 qt6-base-dev:arm64 qemu-user)

# Those arm64 packages sit beside this machine's only once arm64 is one of its package
# architectures. That is done only on a machine made for the run (tools/on-debian.sh says so) or
# one that has arm64 already; any other machine keeps its architectures as its owner set them, and
# the arm64 build runs in a fresh chroot of its own release instead.
arm64_here() {
    [ -n "${ON_DEBIAN:-}" ] || dpkg --print-foreign-architectures | grep -qx arm64
}
sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo

case "${1:-}" in
play) wanted=("${build_packages[@]}") ;;
test)
    wanted=("${build_packages[@]}" "${test_packages[@]}")
    if arm64_here; then wanted+=("${arm64_packages[@]}"); else wanted+=(debootstrap); fi
    ;;
package) wanted=("${build_packages[@]}" "${package_packages[@]}") ;;
windows) wanted=("${windows_packages[@]}") ;;
web) wanted=("${web_packages[@]}") ;;
arm64)
    arm64_here || exec $sudo tools/on-debian.sh "$(. /etc/os-release && echo "$VERSION_CODENAME")" \
        tools/setup.sh arm64
    wanted=("${arm64_packages[@]}")
    ;;
*)
    echo "usage: $0 play | test | package | windows | arm64 | web" >&2
    exit 2
    ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing ${missing[*]}"
    if [[ " ${missing[*]}" == *:arm64* ]]; then
        $sudo dpkg --add-architecture arm64
    fi
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Reproducible by default: every time stamp in what is built is the last commit's.
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && epoch=$(git log -1 --format=%ct 2>/dev/null); then
    export SOURCE_DATE_EPOCH=$epoch
fi

case "$1" in
play)
    cmake --workflow --preset play
    exec build/play/ui/qt/zorbelkin
    ;;
test)
    # The Windows program and installer with their tests under Wine, the browser program with its
    # tests in Chromium, the Debian package, the sanitizer build and the arm64 build first, so
    # that the run ends with the summary of the Linux tests.
    cmake --workflow --preset windows-test
    cmake --workflow --preset web-test
    cmake --workflow --preset package
    cmake --workflow --preset sanitize
    tools/setup.sh arm64
    exec cmake --workflow --preset test
    ;;
package)
    exec cmake --workflow --preset package
    ;;
windows)
    exec cmake --workflow --preset windows
    ;;
web)
    cmake --workflow --preset web
    port=${PORT:-8000}
    echo "ZORBELKIN is served at http://127.0.0.1:$port/ (Ctrl+C stops the server)"
    exec python3 -m http.server --bind 127.0.0.1 --directory build/web "$port"
    ;;
arm64)
    exec cmake --workflow --preset arm64
    ;;
esac
