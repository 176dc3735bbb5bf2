# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

# Shared by the shell tests. CTest counts exit status 77 as a skipped test.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# need TOOL PACKAGE: a missing tool skips the test, except in CI, where everything must run.
need() { need_that "$1" "$2" command -v "$1"; }

# need_that WHAT PACKAGE TEST...: as need, for anything that the command TEST can check.
need_that() {
    local what=$1 package=$2
    shift 2
    "$@" >/dev/null 2>&1 && return 0
    [ "${CI:-}" = true ] && fail "$what is missing: install Debian's $package"
    echo "SKIP: $what is missing: install Debian's $package to run this test"
    exit 77
}

# in_scratch: a scratch folder for this test, gone when it ends.
in_scratch() {
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
}
