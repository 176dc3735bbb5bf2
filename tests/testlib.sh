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

# until_true SECONDS COMMAND...: polls COMMAND until it succeeds, or fails once the time is up.
until_true() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# start_xvfb FOLDER: starts Xvfb on a display it picks itself, waits until it answers and exports
# DISPLAY. Sets xvfb_pid; FOLDER keeps its log.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$1/display" 2>"$1/xvfb.log" &
    xvfb_pid=$!
    until_true 20 test -s "$1/display" || fail "Xvfb did not start: $(cat "$1/xvfb.log")"
    export DISPLAY=:$(cat "$1/display")
    until_true 20 xdpyinfo >/dev/null 2>&1 || fail "Xvfb does not answer on $DISPLAY"
}

# on_display: a scratch folder and a private Xvfb display for this test, both gone when it ends,
# together with a game started by start_game and every process listed in helper_pids.
on_display() {
    scratch=$(mktemp -d)
    xvfb_pid=
    game_pid=
    helper_pids=()
    trap end_display EXIT
    start_xvfb "$scratch"
}

end_display() {
    local pid
    for pid in $game_pid "${helper_pids[@]}" $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}

# start_game BINARY: runs the game and waits for its window. Sets game_pid and window.
start_game() {
    "$1" >"$scratch/game.log" 2>&1 &
    game_pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^ZOR BEL KIN$' | head -n 1)
    [ -n "$window" ] || fail "no window titled \"ZOR BEL KIN\": $(cat "$scratch/game.log")"
}
