#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# The game as a native Wayland client of weston, nested in a private Xvfb display so that xdotool
# can work the pointer: it starts with nothing on stderr, names its toplevel "ZOR BEL KIN" with the
# desktop entry's app id, and ends with status 0 and nothing said when its close button is clicked.
# (weston's headless backend has no pointer, so nothing could close the window there.)
# Usage: wayland.sh GAME_BINARY DESKTOP_ENTRY
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
game=${1:?game binary}
desktop_entry=${2:?the desktop entry}
# A compositor finds the desktop entry, and so the icon, by the app id.
app_id=$(basename "$desktop_entry" .desktop)

need Xvfb xvfb
need xdpyinfo x11-utils
need weston weston
need xdotool xdotool
need import imagemagick
need convert imagemagick
need_that "Qt's Wayland platform" qt6-wayland \
    test -e "$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqwayland-generic.so"

on_display
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# A plain ground and no panel, so that the game's window is all that shows.
ground=204060
cat >"$scratch/weston.ini" <<INI
[core]
idle-time=0
[shell]
background-color=0xff$ground
panel-position=none
INI
# The pointer off weston's output from the start, so that weston draws no cursor over the picture.
xdotool mousemove 799 599
weston --config="$scratch/weston.ini" --backend=x11-backend.so --width=640 --height=560 \
    --socket=wayland-zorbelkin >"$scratch/weston.log" 2>&1 &
helper_pids+=($!)
until_true 20 test -S "$XDG_RUNTIME_DIR/wayland-zorbelkin" ||
    fail "weston did not start: $(cat "$scratch/weston.log")"

WAYLAND_DISPLAY=wayland-zorbelkin QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$game" \
    >"$scratch/game.out" 2>"$scratch/game.err" &
game_pid=$!
until_true 20 grep -q -F xdg_toplevel@ "$scratch/game.err" || fail "the game made no toplevel: $(grep -v '^\[' "$scratch/game.err")"
grep -q -F "set_title(\"ZOR BEL KIN\")" "$scratch/game.err" || fail "the toplevel's title is not \"ZOR BEL KIN\""
grep -q -F "set_app_id(\"$app_id\")" "$scratch/game.err" || fail "the toplevel's app id is not $app_id"
echo "the toplevel is titled \"ZOR BEL KIN\" with the app id $app_id"

# window_box: the game's window on weston's output, as WIDTHxHEIGHT+LEFT+TOP.
window_box() {
    import -window root -crop 640x560+0+0 +repage "$scratch/output.png"
    convert "$scratch/output.png" -fill black -opaque "#$ground" -format '%@\n' info:
}
# The window is 470 pixels wide, and its frame adds to that.
window_shown() { local box; box=$(window_box); [ "${box%%x*}" -ge 470 ]; }
until_true 20 window_shown || fail "no window on weston's output: $(window_box)"
IFS='x+' read -r width height left top <<<"$(window_box)"
# The close button is the rightmost dark shape on the title bar.
IFS='x+' read -r glyph_width glyph_height glyph_left glyph_top < <(convert "$scratch/output.png" \
    -crop "48x28+$((left + width - 48))+$top" +repage -colorspace gray -threshold 40% -negate \
    -format '%@\n' info:)
xdotool mousemove $((left + width - 48 + glyph_left + glyph_width / 2)) \
    $((top + glyph_top + glyph_height / 2)) click 1
until_true 10 eval '! kill -0 $game_pid 2>/dev/null' || fail "the game did not end on its close button"
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 0 ] || fail "the game ended with status $status"
said=$(grep -v '^\[ *[0-9.]*\]' "$scratch/game.err" || true)
[ -z "$said" ] || fail "the game wrote to stderr: $said"
echo "PASS: the game ran on Wayland with nothing on stderr and ended with status 0 when closed"
