#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Times the Windows program's first window against the floor of a bare Win32 window, as whole
# processes under Wine, on a private Xvfb display and Wine prefix with one warm Wine server,
# alternating the programs round by round. The same bare window with the game's own child windows,
# its text boxes and button, shows what those cost by themselves. Prints the medians of the time to
# a visible window and of the peak memory then, and the ratios to the bare window.
# Usage: bench/startup_wine.sh [BUILD_DIR [ROUNDS]]   (default: build/windows, 25 rounds)
# Fewer rounds leave the median too loose to tell a tenth apart: at 15, the floor of the boxes,
# which costs the bare window next to nothing, came out between 0.99 and 1.12 of it.
set -euo pipefail
cd "$(dirname "$0")/.."
. tests/testlib.sh
build=${1:-build/windows}
rounds=${2:-25}
timer=$build/bench/win32_first_window.exe
bare=$build/bench/win32_bare_window.exe
game=$build/ui/win32/zorbelkin.exe
[ -f "$timer" ] && [ -f "$bare" ] && [ -f "$game" ] ||
    fail "build $build first: cmake --workflow --preset windows"

on_display
start_wine 96 "0 0 0"
bare=\"$(winepath -w "$bare")\"
wine "$timer" "$rounds" "bare window" bare "$bare" "bare, game's boxes" bare "$bare boxes" \
    zorbelkin.exe "ZOR BEL KIN" \"$(winepath -w "$game")\"
echo "$(nproc) cores, $(uname -m), Wine $(wine --version | sed 's/^wine-//')"
