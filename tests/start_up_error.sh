#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# A program whose mark picture is broken meets an error when it first reads that picture: the
# player sees a "ZORBELKIN" box, the program writes the error, and once the box is dismissed the
# program ends with status 1. The Linux program reads the X picture at start, for its icon, so its
# window never opens; the Windows program reads its pictures when a mark is first shown, so the
# test places one. The picture is broken in a copy of the program itself: its width in the
# embedded PNG header becomes 0. The Windows program runs under Wine, where a forced end also
# gives status 0, so status 1 tells that the program ended itself, through its error path.
# Usage: start_up_error.sh PICTURE.png start|first-mark GAME_BINARY
#        start_up_error.sh PICTURE.png start|first-mark wine GAME.exe
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
picture=${1:?the PNG file to break inside the program}
moment=${2:?start or first-mark: when the program reads its pictures}
shift 2
runner=()
[ "${1:-}" = wine ] && { runner=(wine); shift; }
program=${1:?game program}


on_display
[ ${#runner[@]} -eq 0 ] || start_wine 96 "0 0 0"
broken=$scratch/$(basename "$program")
python3 - "$program" "$picture" "$broken" <<'PYTHON' || fail "cannot break $picture in $program"
import sys
program, picture, broken = (open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read(),
                            sys.argv[3])
assert program.count(picture) == 1, "the picture is not in the program exactly once"
at = program.index(picture) + 16  # the width, first field of the header chunk
open(broken, "wb").write(program[:at] + bytes(4) + program[at + 4:])
PYTHON
chmod +x "$broken"

"${runner[@]}" "$broken" >"$scratch/game.log" 2>&1 &
game_pid=$!
if [ "$moment" = first-mark ]; then
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^ZOR BEL KIN$' | head -n 1)
    [ -n "$window" ] || fail "no game window: $(cat "$scratch/game.log")"
    xdotool mousemove --window "$window" "$(cell_middle_x 0)" "$(cell_middle_y 0)" click 1
fi
box_or_end() {
    box=$(xdotool search --onlyvisible --name '^ZORBELKIN$' 2>/dev/null | head -n 1)
    [ -n "$box" ] || ! kill -0 "$game_pid" 2>/dev/null
}
until_true 60 box_or_end || fail "no \"ZORBELKIN\" box within 60 s: $(cat "$scratch/game.log")"
if [ -z "$box" ]; then
    status=0
    wait "$game_pid" || status=$?
    game_pid=
    fail "the program ended with status $status and no box: $(cat "$scratch/game.log")"
fi
if [ "$moment" = start ] && xdotool search --onlyvisible --name '^ZOR BEL KIN$' >/dev/null; then
    fail "the game's window opened although a picture is broken"
fi

# Neither toolkit lets a box's text be read from outside; the program writes the same text to
# standard error.
until_true 10 grep -q 'not a PNG file of a sensible size' "$scratch/game.log" ||
    fail "the error was not reported: $(cat "$scratch/game.log")"
grep -q 'cannot recover' "$scratch/game.log" || fail "the report is not the fatal error's"
echo "the box came, and the program wrote: $(grep -v '^$' "$scratch/game.log" | tr '\n' ' ')"

xdotool windowfocus "$box"
xdotool key --clearmodifiers Return
until_true 30 eval '! kill -0 "$game_pid" 2>/dev/null' || fail "the program did not end after the box"
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" = 1 ] || fail "the program ended with status $status, not 1"
echo "PASS: a broken picture is reported, and the program ends with status 1"
