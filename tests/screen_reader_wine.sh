#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Runs the Windows program under Wine on a private Xvfb display and plays it with msaa_client, a
# Windows program that works it as a screen reader would, through Active Accessibility from
# another process. Until a screen reader asks or a mark shows, the program has loaded neither
# automation, accessibility nor the imaging component.
# Usage: screen_reader_wine.sh GAME.exe MSAA_CLIENT.exe
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
game=${1:?game program}
client=${2:?accessibility client}


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
wine "$client" || fail "the screen reader's play went wrong"
for dll in "${lazy[@]}"; do
    loaded_by_game | grep -qx "$dll" || fail "the game did not load $dll once it was needed"
done
echo "once a mark showed, it had loaded them"
