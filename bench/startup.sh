#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Times the game's first frame against the floor of a bare Qt window, as whole processes, on the
# offscreen platform and on an Xvfb display, alternating the two programs run by run. Prints the
# medians of wall time and peak memory and the ratio game / bare window.
# Usage: bench/startup.sh [BUILD_DIR [RUNS]]   (default: build/play, 21 runs each)
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/display.sh
build=${1:-build/play}
runs=${2:-21}
bare=$build/bench/bare_window
game=$build/bench/game_first_frame
[ -x "$bare" ] && [ -x "$game" ] || fail "build $build first: cmake --workflow --preset play"
need /usr/bin/time time

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# run PROGRAM PLATFORM: appends its wall time in ms and its peak memory in KiB to the files.
run() {
    local name start end
    name=$(basename "$1")
    start=$(date +%s%N)
    QT_QPA_PLATFORM=$2 /usr/bin/time -f %M -o "$scratch/rss" "$1" >/dev/null 2>&1 ||
        fail "$1 failed on $2"
    end=$(date +%s%N)
    echo "scale=2; ($end - $start) / 1000000" | bc >>"$scratch/$2.$name.ms"
    cat "$scratch/rss" >>"$scratch/$2.$name.kib"
}

on_display
need bc bc
printf '%-10s %-12s %10s %10s %7s\n' platform measure bare game ratio
for platform in offscreen xcb; do
    run "$bare" "$platform" # warm the caches; not counted
    run "$game" "$platform"
    rm -f "$scratch/$platform".*
    for ((i = 0; i < runs; i++)); do
        run "$bare" "$platform"
        run "$game" "$platform"
    done
    for measure in ms kib; do
        b=$(median <"$scratch/$platform.bare_window.$measure")
        g=$(median <"$scratch/$platform.game_first_frame.$measure")
        label=$([ $measure = ms ] && echo "wall ms" || echo "peak KiB")
        printf '%-10s %-12s %10s %10s %7.3f\n' "$platform" "$label" "$b" "$g" "$(echo "$g / $b" | bc -l)"
    done
done
echo "medians of $runs runs each, alternating; $(nproc) cores, $(uname -m), Qt $(dpkg-query -W -f='${Version}' libqt6widgets6 2>/dev/null)"
