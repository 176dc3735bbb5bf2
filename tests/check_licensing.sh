#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Every file of the tree says who holds its copyright and under which licence, and the text of
# each licence named is in LICENSES/: the REUSE convention, as `reuse lint` checks it.
# Usage: check_licensing.sh SOURCE_DIR
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
need reuse reuse
need git git
cd "${1:?source dir}"
need_that "a git checkout of the tree" "git, and a clone of the tree" git rev-parse --git-dir
report=$(reuse lint 2>&1) || fail "reuse lint: $report"
sed -n '/^# SUMMARY/,$p' <<<"$report"
echo "PASS: every file carries its copyright and licence"
