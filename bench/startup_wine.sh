#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Times the Windows program's first window against the floor of a bare Win32 window, as whole
# processes under Wine, on a private Xvfb display and Wine prefix with one warm Wine server,
# alternating the two programs round by round. Prints the medians of the time to a visible window
# and of the peak memory then, and the ratios game / bare window.
# Usage: bench/startup_wine.sh [BUILD_DIR [ROUNDS]]   (default: build/windows, 15 rounds)
set -euo pipefail
cd "$(dirname "$0")/.."
. tests/testlib.sh
build=${1:-build/windows}
rounds=${2:-15}
timer=$build/bench/win32_first_window.exe
bare=$build/bench/win32_bare_window.exe
game=$build/ui/win32/zorbelkin.exe
[ -f "$timer" ] && [ -f "$bare" ] && [ -f "$game" ] ||
    fail "build $build first: cmake --workflow --preset windows"
need Xvfb xvfb

on_display
start_wine 96 "0 0 0"
wine "$timer" "$rounds" bare "$(winepath -w "$bare")" "ZOR BEL KIN" "$(winepath -w "$game")"
echo "$(nproc) cores, $(uname -m), Wine $(wine --version | sed 's/^wine-//')"
