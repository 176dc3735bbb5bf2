#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# The committed C++ follows the committed .clang-format.
# Usage: check_format.sh SOURCE_DIR
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
need clang-format-19 clang-format-19
need git git
cd "${1:?source dir}"
need_that "a git checkout of the tree" "git, and a clone of the tree" git rev-parse --git-dir
tools/format.sh --check || fail "run tools/format.sh to format the sources"
echo "PASS: $(git ls-files -- '*.h' '*.cpp' | wc -l) files follow .clang-format"
