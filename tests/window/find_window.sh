# Sourced by the window tests, outside Xvfb and inside it.
#
# Under the sanitizers the leak check at exit would also look at what the X, D-Bus and SDL
# libraries keep; the program's own leaks are the in-process tests' concern.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# Skips the test (exit 77) without xvfb-run and xdotool; makes the scratch folder `work`, removed
# at the end.
prepare_window_test() {
    local tool
    for tool in xvfb-run xdotool "$@"; do
        command -v "$tool" > /dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
    done
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
}

# Sourced by the window tests: waits up to twenty seconds for the program's window (title
# "Taliform"; a fresh machine may build its font cache first) and sets `win` to its id; the
# caller's program `pid` is stopped when none comes.
find_window() {
    win=""
    for _ in $(seq 1 200); do
        win=$(xdotool search --name '^Taliform$' 2> /dev/null | head -n 1)
        [[ -n "$win" ]] && return 0
        sleep 0.1
    done
    echo "the window did not appear"
    kill "$pid"
    exit 1
}

# Waits up to five seconds for `pid` to end after the action named by $1.
wait_for_end() {
    for _ in $(seq 1 50); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2> /dev/null; then echo "$1 did not end the program"; kill "$pid"; exit 1; fi
    wait "$pid"
    echo "exit status $?"
}

# Waits up to ten seconds for the line $1 in the trace file $2 (a loaded machine may take its
# time to react to an input); goes on either way, so the caller's trace check reports a miss.
wait_for_trace() {
    for _ in $(seq 1 100); do
        grep -qxF "$1" "$2" 2> /dev/null && return 0
        sleep 0.1
    done
}

# Waits up to ten seconds until the program's window is mapped and covers the whole display (a
# full-screen window may be replaced once while SDL sets it up; a click sent before that lands on
# the root window and is lost), then sets `win` to it. Goes on either way.
wait_for_full_screen() {
    local screen geometry id
    screen=$(xdotool getdisplaygeometry 2> /dev/null | tr ' ' 'x')
    for _ in $(seq 1 100); do
        for id in $(xdotool search --onlyvisible --name '^Taliform$' 2> /dev/null); do
            geometry=$(xdotool getwindowgeometry "$id" 2> /dev/null | sed -n 's/.*Geometry: //p')
            [[ "$geometry" == "$screen" ]] && return 0
        done
        sleep 0.1
    done
}
