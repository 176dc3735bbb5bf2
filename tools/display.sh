#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

# The display that the benches and the screenshot tool run the game on, with the shell tests'
# helpers.
. "$(dirname "${BASH_SOURCE[0]}")/../tests/testlib.sh"

# until_true SECONDS COMMAND...: polls COMMAND until it succeeds, or fails once the time is up.
until_true() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# on_display: a scratch folder and a private Xvfb display for this run, both gone when it ends,
# together with a game started by start_game; and the tools that every run on a display uses to
# drive, watch and measure the game. Xvfb picks the display itself (-displayfd): the first number
# on which it can listen, and it says which once it takes connections. A number chosen from
# outside could be one that another server, a run beside this one or, from inside a chroot, one
# of the machine's, still holds, and a client could then reach that server. An X server resets
# itself whenever its last client leaves, and refuses connections meanwhile: with -noreset, a
# client started just after another has ended always gets through.
on_display() {
    local tool
    for tool in Xvfb:xvfb xdotool:xdotool xprop:x11-utils xwininfo:x11-utils import:imagemagick \
        convert:imagemagick; do
        need "${tool%%:*}" "${tool#*:}"
    done
    scratch=$(mktemp -d)
    game_pid= xvfb_pid=
    trap end_display EXIT
    local shown=$scratch/display
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$shown" \
        2>"$scratch/xvfb.log" &
    xvfb_pid=$!
    until_true 20 eval 'grep -qx "[0-9][0-9]*" "$shown" || ! kill -0 $xvfb_pid 2>/dev/null' || true
    grep -qx '[0-9][0-9]*' "$shown" || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
    export DISPLAY=:$(cat "$shown")
}

end_display() {
    [ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null || true
    # Wine keys its server by the prefix folder's inode: a server still ending after its folder is
    # gone could be taken for the server of a new prefix that reuses the inode.
    if [ -n "${wine_prefix:-}" ]; then
        WINEPREFIX=$wine_prefix wineserver --kill 2>/dev/null || true
        WINEPREFIX=$wine_prefix wineserver --wait 2>/dev/null || true
    fi
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$scratch"
}

# start_wine DOTS_PER_INCH TITLE_TEXT_RGB: a fresh Wine prefix in the scratch folder for this
# display, with that screen density and that colour of active title bar text ("R G B"). Wine's
# processes end with the display.
start_wine() {
    need wine wine
    need_that "64-bit Wine" wine64 test -x /usr/lib/wine/wine64
    export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wineboot --init >"$scratch/wineboot.log" 2>&1 || fail "wineboot failed: $(cat "$scratch/wineboot.log")"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\Colors' /v TitleText /t REG_SZ /d "$2" /f >/dev/null 2>&1
    wineserver --wait
    wine_prefix=$WINEPREFIX
}

# start_game COMMAND...: runs the game and waits for its window. Sets game_pid and window.
start_game() {
    "$@" >"$scratch/game.log" 2>&1 &
    game_pid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^ZOR BEL KIN$' | head -n 1)
    [ -n "$window" ] || fail "no window titled \"ZOR BEL KIN\": $(cat "$scratch/game.log")"
}
