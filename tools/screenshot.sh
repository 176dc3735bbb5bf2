#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Takes a screenshot of a fresh game window on a private Xvfb display: the Linux program, or the
# Windows program under Wine at the given dots per inch and colour of title bar text.
# Usage: tools/screenshot.sh OUTPUT.png GAME_BINARY
#        tools/screenshot.sh OUTPUT.png wine GAME.exe DOTS_PER_INCH TITLE_TEXT_RGB
# With CELLS="0 4 ..." the cells (0 to 8, at 96 dots per inch) are clicked in turn first.
set -euo pipefail
. "$(dirname "$0")/display.sh"
out=$(realpath -m "${1:?usage: screenshot.sh OUTPUT.png GAME_BINARY}")
shift
on_display
[ "$1" != wine ] || start_wine "${3:?dots per inch}" "${4:?title bar text colour}"
if [ "$1" = wine ]; then start_game wine "$2"; else start_game "$1"; fi
# The window is mapped before its first frame is drawn; wait until it is no longer blank.
drawn() {
    import -window "$window" "$out" 2>/dev/null &&
        [ "$(convert "$out" -format '%[fx:standard_deviation>0.01]' info:)" = 1 ]
}
until_true 20 drawn || fail "the window stayed blank"
# Cell I's middle lies at (88 + 144 * (I % 3), 76 + 136 * (I / 3)) at 96 dots per inch.
for cell in ${CELLS:-}; do
    xdotool mousemove --window "$window" $((88 + 144 * (cell % 3))) $((76 + 136 * (cell / 3))) click 1
done
sleep 0.5 # let a late repaint land
import -window "$window" "$out"
echo "screenshot: $out"
