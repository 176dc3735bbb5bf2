#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Runs screen_reader.py on a private Xvfb display. The Linux program runs in a private D-Bus
# session, where the AT-SPI bus starts on demand as it does on a desktop. The Windows program runs
# under Wine and is read by msaa_client, a Windows program that works it as a screen reader would,
# through Active Accessibility from another process; until a screen reader asks or a mark shows,
# it has loaded neither automation, accessibility nor the imaging component.
# Usage: screen_reader.sh GAME_BINARY SPOKEN_TABLE_BINARY
#        screen_reader.sh wine GAME.exe MSAA_CLIENT.exe
set -euo pipefail
here=$(dirname "$0")
. "$here/testlib.sh"

if [ "$1" != wine ]; then
    need dbus-run-session dbus-bin
    need_that "the AT-SPI bus" at-spi2-core test -x /usr/libexec/at-spi-bus-launcher
    need_that "libatspi's Python bindings" "python3-gi gir1.2-atspi-2.0" \
        /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")'
    on_display
    export XDG_RUNTIME_DIR=$scratch/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # The session bus's notes on starting services are noise here.
    dbus-run-session -- /usr/bin/python3 "$here/screen_reader.py" atspi "$1" "${2:?spoken table}" \
        2> >(grep -v -i -e 'fd limit' -e 'activat' >&2)
    exit
fi

game=${2:?game program}
# The DLLs that the game's own process has loaded so far, in lower case, from Wine's log of loads.
loaded_by_game() {
    local process
    process=$(grep -m 1 -i "^[0-9a-f]*:trace:loaddll:.* Loaded L\".*$(basename "$game")\"" \
        "$scratch/game.log" | cut -d: -f1)
    grep "^$process:trace:loaddll:.* Loaded L\"" "$scratch/game.log" |
        sed 's/^[^"]*"\([^"]*\)".*/\1/; s/.*\\//' | tr 'A-Z' 'a-z'
}
# ole32 is not among them: the system's common controls, which the manifest asks for, load it.
lazy=(oleaut32.dll oleacc.dll windowscodecs.dll)

on_display
start_wine 96 "0 0 0"
WINEDEBUG=+loaddll start_game wine "$game"
for dll in "${lazy[@]}"; do
    ! loaded_by_game | grep -qx "$dll" || fail "the game loaded $dll before anyone needed it"
done
echo "at its first frame the game has loaded none of ${lazy[*]}"
python3 "$here/screen_reader.py" msaa wine "${3:?accessibility client}"
for dll in "${lazy[@]}"; do
    loaded_by_game | grep -qx "$dll" || fail "the game did not load $dll once it was needed"
done
echo "once a mark showed, it had loaded them"
