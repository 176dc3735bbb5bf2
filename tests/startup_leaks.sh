#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Starts the real game window under valgrind's memcheck until its first frame is painted: no
# invalid memory access at all, and no leak whose allocation passes through our code.
# Usage: startup_leaks.sh FIRST_FRAME_BINARY
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
program=${1:?first-frame binary}
need valgrind valgrind

log=$(mktemp)
trap 'rm -f "$log"' EXIT
QT_QPA_PLATFORM=offscreen valgrind --leak-check=full --show-leak-kinds=definite,indirect \
    --num-callers=40 --error-exitcode=3 --errors-for-leak-kinds=none "$program" >"$log" 2>&1 ||
    fail "memcheck found invalid memory accesses: $(grep -A12 'Invalid\|uninitialised' "$log" | head -40)"
grep -E 'definitely lost:|indirectly lost:' "$log" | sed 's/^==[0-9]*== */  /'
ours=$(awk '/are (definitely|indirectly) lost/ {record = 1} record {print} /^==[0-9]+== $/ {record = 0}' \
    "$log" | grep -c 'zorbelkin' || true)
[ "$ours" -eq 0 ] || fail "leaks through our code: $(grep -A30 'lost in' "$log" | head -60)"
echo "PASS: no invalid access and no leak from our code at start-up"
