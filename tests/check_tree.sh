#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# The committed tree as a reviewer reads it: every file says who holds its copyright and under
# which licence, with the text of each licence named in LICENSES/ (the REUSE convention, as
# `reuse lint` checks it), and the C++ follows the committed .clang-format.
# Usage: check_tree.sh SOURCE_DIR
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
need reuse reuse
need clang-format-19 clang-format-19
need git git
cd "${1:?source dir}"
need_that "a git checkout of the tree" "git, and a clone of the tree" git rev-parse --git-dir
report=$(reuse lint 2>&1) || fail "reuse lint: $report"
sed -n '/^# SUMMARY/,$p' <<<"$report"
tools/format.sh --check || fail "run tools/format.sh to format the sources"
echo "PASS: every file carries its copyright and licence;" \
    "$(git ls-files -- '*.h' '*.cpp' | wc -l) files follow .clang-format"
