# Shared by the shell tests. CTest counts exit status 77 as a skipped test.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# need TOOL PACKAGE: a missing tool skips the test, except in CI, where everything must run.
need() {
    command -v "$1" >/dev/null 2>&1 && return 0
    [ "${CI:-}" = true ] && fail "$1 is missing: install Debian's $2"
    echo "SKIP: $1 is missing: install Debian's $2 to run this test"
    exit 77
}
