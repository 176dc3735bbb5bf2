#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Runs the Windows program under Wine on a private Xvfb display and plays it with msaa_client, a
# Windows program that works it as a screen reader would, through Active Accessibility from
# another process.
# Usage: screen_reader_wine.sh GAME.exe MSAA_CLIENT.exe
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
game=${1:?game program}
client=${2:?accessibility client}

need Xvfb xvfb
need xdpyinfo x11-utils
need xdotool xdotool

on_display
start_wine 96 "0 0 0"
start_game wine "$game"
wine "$client" || fail "the screen reader's play went wrong"
