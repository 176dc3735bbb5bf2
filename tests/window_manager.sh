#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# The game under a real window manager, openbox with its default theme, on a private Xvfb display:
# a "You Win!!" box is transient for the window and shows its caption in full, and the desktop
# entry's StartupWMClass matches the window's X11 class, so docks can tie the two together.
# Usage: window_manager.sh GAME_BINARY DESKTOP_FILE
set -euo pipefail
here=$(dirname "$0")
. "$here/testlib.sh"
game=${1:?game binary}
desktop_file=${2:?desktop file}

need openbox openbox
need xmessage x11-utils

on_display
# openbox runs its start-up command once it manages windows; a window mapped before that, even
# after it has announced itself on the root window, may never be managed.
openbox --startup "touch $scratch/openbox-ready" >"$scratch/openbox.log" 2>&1 &
helper_pids+=($!)
until_true 20 test -e "$scratch/openbox-ready" ||
    fail "openbox did not start on $DISPLAY: $(cat "$scratch/openbox.log")"

# title_bar WINDOW FILE: cuts the window manager's title bar of WINDOW out of the screen.
title_bar() {
    local left right top x y width
    read -r left right top < <(xprop -id "$1" _NET_FRAME_EXTENTS |
        sed -n 's/.*= \([0-9]*\), \([0-9]*\), \([0-9]*\), [0-9]*$/\1 \2 \3/p')
    [ -n "$top" ] || fail "window $1 has no frame"
    read -r x y width < <(xwininfo -id "$1" |
        awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$2} END{print x, y, w}')
    import -window root "$scratch/screen.png"
    convert "$scratch/screen.png" -crop "$((width + left + right))x$top+$((x - left))+$((y - top))" \
        +repage "$2"
}
# active WINDOW: waits until the window manager has given WINDOW the focus.
active() { [ "$(xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}')" = "$(printf '0x%x' "$1")" ]; }

# The caption as openbox draws it with room to spare.
xmessage -title ZORBELKIN -geometry 500x60 wide >"$scratch/xmessage.log" 2>&1 &
wide_pid=$!
helper_pids+=($wide_pid)
wide=$(timeout 20 xdotool search --sync --onlyvisible --name '^ZORBELKIN$' | head -n 1) || true
[ -n "$wide" ] || fail "the reference window did not show within 20 s: $(cat "$scratch/xmessage.log")"
until_true 10 active "$wide" || fail "openbox did not activate the reference window"
title_bar "$wide" "$scratch/wide.ppm"
kill "$wide_pid"
until_true 10 eval '! xdotool search --onlyvisible --name "^ZORBELKIN$" >/dev/null' ||
    fail "the reference window did not close"

start_game "$game"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "\([^"]*\)", "\([^"]*\)"$/\2/p')
startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
[ -n "$class" ] && [ "$class" = "$startup_class" ] ||
    fail "the window's X11 class is \"$class\", the desktop entry's StartupWMClass \"$startup_class\""
echo "StartupWMClass=$startup_class matches the window's class"

# X completes the top row, once openbox has framed and activated the window: a click while it
# still places the window may land beside the cell.
until_true 10 active "$window" || fail "openbox did not activate the game's window"
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
for cell in 0 3 1 4 2; do click "$(cell_middle_x $cell)" "$(cell_middle_y $cell)"; done
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^ZORBELKIN$' | head -n 1) || true
[ -n "$box" ] || fail "no \"ZORBELKIN\" box within 20 s of completing a line"
xprop -id "$box" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$window")" ||
    fail "the box is not transient for the game's window"
until_true 10 active "$box" || fail "openbox did not activate the box"
title_bar "$box" "$scratch/box.ppm"
python3 "$here/caption_shown.py" "$scratch/wide.ppm" "$scratch/box.ppm" ||
    fail "the box's title bar does not show \"ZORBELKIN\" in full"
echo "PASS: the box is transient for the window and its title bar shows its caption in full"
