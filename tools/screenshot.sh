#!/usr/bin/env bash
# Takes a screenshot of the game window on a private Xvfb display.
# Usage: tools/screenshot.sh GAME_BINARY OUTPUT.png
set -euo pipefail

game=${1:?usage: screenshot.sh GAME_BINARY OUTPUT.png}
out=${2:?usage: screenshot.sh GAME_BINARY OUTPUT.png}

display=
for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "screenshot: no free X display" >&2; exit 1; }

Xvfb "$display" -screen 0 640x520x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display

deadline=$((SECONDS + 20))
until xdpyinfo >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || { echo "screenshot: Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done

"$game" >/dev/null 2>&1 &
game_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^ZOR BEL KIN$' | head -n 1)
# The window is mapped before its first frame is drawn; wait until its centre is no longer blank.
deadline=$((SECONDS + 20))
while import -window "$window" "$out" 2>/dev/null &&
    [ "$(convert "$out" -format '%[fx:standard_deviation>0.01]' info:)" != 1 ]; do
    [ $SECONDS -lt $deadline ] || break
    sleep 0.1
done
import -window root "$out"
echo "screenshot: $out"
