#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# The game as a native Wayland client of weston, nested in a private Xvfb display so that xdotool
# can work the pointer: it starts with nothing on stderr, names its toplevel "ZOR BEL KIN" with the
# desktop entry's app id, and ends with status 0 and nothing said when its close button is clicked.
# (weston's headless backend has no pointer, so nothing could close the window there.)
# Usage: wayland.sh GAME_BINARY DESKTOP_ENTRY
set -euo pipefail
here=$(dirname "$0")
. "$here/testlib.sh"
game=${1:?game binary}
desktop_entry=${2:?the desktop entry}
# A compositor finds the desktop entry, and so the icon, by the app id.
app_id=$(basename "$desktop_entry" .desktop)

need weston weston
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
# libwayland writes an object as interface@id, and as interface#id since 1.23.
until_true 20 grep -q -E 'xdg_toplevel[@#]' "$scratch/game.err" ||
    fail "the game made no toplevel: $(grep -v '^\[' "$scratch/game.err")"
grep -q -F "set_title(\"ZOR BEL KIN\")" "$scratch/game.err" || fail "the toplevel's title is not \"ZOR BEL KIN\""
grep -q -F "set_app_id(\"$app_id\")" "$scratch/game.err" || fail "the toplevel's app id is not $app_id"
echo "the toplevel is titled \"ZOR BEL KIN\" with the app id $app_id"

# close_button: finds the close button on the game's frame on weston's output and sets close_x
# and close_y to its middle. It fails until the window (470 pixels wide, and its frame adds to
# that) and its title bar are drawn, and until two looks in a row agree, so that a frame still
# being placed or painted is not clicked.
close_button() {
    local width height left top x y found
    import -window root -crop 640x560+0+0 +repage "$scratch/output.png" 2>/dev/null || return 1
    window_box=$(convert "$scratch/output.png" -fill black -opaque "#$ground" -format '%@' info:)
    IFS='x+' read -r width height left top <<<"$window_box"
    [ "${width:-0}" -ge 470 ] || return 1
    convert "$scratch/output.png" -crop "${width}x28+$left+$top" +repage "$scratch/bar.ppm"
    found=$(python3 "$here/close_button.py" "$scratch/bar.ppm") || return 1
    read -r x y <<<"$found"
    found="$((left + x)) $((top + y))"
    [ "$found" = "${last_found:-}" ] && read -r close_x close_y <<<"$found"
    last_found=$found
    [ -n "${close_x:-}" ]
}
until_true 20 close_button ||
    fail "no steady window with a close button on weston's output (window at ${window_box:-none})"
# The click once the compositor has told the game that the pointer is over it: weston 14 drops a
# button pressed before that.
pointer_news() { grep -c -E 'wl_pointer[@#][0-9]+\.(enter|motion)\(' "$scratch/game.err" || true; }
before=$(pointer_news)
xdotool mousemove "$close_x" "$close_y"
until_true 10 eval '[ "$(pointer_news)" -gt "$before" ]' || fail "the pointer never reached the game"
xdotool click 1
until_true 10 eval '! kill -0 $game_pid 2>/dev/null' || fail "the game did not end on its close button"
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 0 ] || fail "the game ended with status $status"
said=$(grep -v '^\[ *[0-9.]*\]' "$scratch/game.err" || true)
[ -z "$said" ] || fail "the game wrote to stderr: $said"
echo "PASS: the game ran on Wayland with nothing on stderr and ended with status 0 when closed"
