#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# A game window that nobody touches uses no CPU: once it has settled, its process may spend at
# most 20 ms of CPU time in 3 seconds. Runs the real game on a private Xvfb display.
# Usage: idle_cpu.sh GAME_BINARY
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
game=${1:?game binary}

# Nanoseconds on the CPU, all threads of the process together.
cpu_ns() { cat /proc/"$game_pid"/task/*/schedstat | awk '{sum += $1} END {print sum}'; }

# Settled: no CPU time spent for a fifth of a second.
settled() {
    local before
    before=$(cpu_ns)
    sleep 0.2
    [ "$(cpu_ns)" = "$before" ]
}

on_display
start_game "$game"
until_true 10 settled || fail "the window never settled after start-up"
before=$(cpu_ns)
sleep 3
used_ms=$((($(cpu_ns) - before) / 1000000))
echo "CPU time in 3 s of idle: $used_ms ms"
[ "$used_ms" -le 20 ] || fail "an idle window used $used_ms ms of CPU in 3 s"
echo "PASS: idle means idle"
