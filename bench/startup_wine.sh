#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Times the Windows program's first window under Wine, from its start until the X server maps
# it, against its floor: a bare Win32 window with the game's four controls of the system's, its
# three text boxes and its button, which the game cannot do without. The bare window alone shows
# what those four cost. On a private Xvfb display and Wine prefix with one warm Wine server,
# alternating the programs round by round; prints the medians of the time and of the peak memory
# then, and the ratios to the floor.
# Usage: bench/startup_wine.sh [BUILD_DIR [ROUNDS]]   (default: build/windows, 25 rounds)
# Fewer rounds leave the median too loose to tell a tenth apart.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/display.sh
build=${1:-build/windows}
rounds=${2:-25}
bare=$build/bench/win32_bare_window.exe
game=$build/ui/win32/zorbelkin.exe
[ -f "$bare" ] && [ -f "$game" ] || fail "build $build first: cmake --workflow --preset windows"

on_display
start_wine 96 "0 0 0"
wineserver --persistent
python3 bench/x_map_timer.py "$rounds" "bare window, game's four controls" bare "wine $bare boxes" \
    "bare window" bare "wine $bare" zorbelkin.exe "ZOR BEL KIN" "wine $game"
echo "$(nproc) cores, $(uname -m), Wine $(wine --version | sed 's/^wine-//')"
