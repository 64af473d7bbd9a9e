#!/usr/bin/env bash
# The program as the host starts it: a separate process with the fixed-column command line,
# driven only through the environment on the headless backend. kartino-host lays out the sample
# data set, writes CVOR and prints the result files; the cases check exit codes and R.DAT.
#   process_test.sh KARTINO-HOST KARTINO SAMPLE-FOLDER
set -euo pipefail
host=$1 program=$2 sample=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# run NAME EXPECTED-EXIT SCRIPT [HOST OPTIONS…]: plays the host over a fresh copy of the sample.
run() {
    local name=$1 expected=$2 script=$3
    shift 3
    local out="$work/$name"
    printf '%b' "$script" > "$work/$name.script"
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY KARTINO_BACKEND=headless KARTINO_SCRIPT="$work/$name.script" \
        KARTINO_TRACE="$work/$name.trace" KARTINO_CLOCK=10:00:00 \
        "$host" --program "$program" --out "$out" "$@" "$sample" > "$work/$name.log" 2>&1 || status=$?
    if [[ "$status" != "$expected" ]]; then
        echo "FAILED $name: exit $status, expected $expected"; cat "$work/$name.log"; failures=$((failures + 1))
    fi
}

# expect_file NAME FILE BYTES: the result file FILE of run NAME holds exactly BYTES.
expect_file() {
    local actual
    actual=$(od -An -c "$work/$1/ERGEBNIS/$2" 2>/dev/null || echo missing)
    local wanted
    wanted=$(printf '%b' "$3" | od -An -c)
    if [[ "$actual" != "$wanted" ]]; then
        echo "FAILED $1: $2 is"; echo "$actual"; echo "expected"; echo "$wanted"; failures=$((failures + 1))
    fi
}

# The trace without the system cursor's lines, which every form shows and hides.
expect_trace() {
    local actual
    actual=$(grep -v '^cursor ' "$work/$1.trace")
    if [[ "$actual" != "$(printf '%b' "$2")" ]]; then
        echo "FAILED $1: trace is"; echo "$actual"; failures=$((failures + 1))
    fi
}

# Go on with Enter, then the abort key Alt+Esc in the exercise.
run goon 1 'key 13\nkey 27 4\n'
expect_file goon R.DAT '"c",0,15,"A",0,256,0\r\n\r\n'
expect_trace goon 'form Form1 shown\nform FormKartino shown\nexit 1'

# The end of the script closes the window: the cancel record as well.
run closed 1 'wait 500\n'
expect_file closed R.DAT '"c",0,15,"A",0,256,0\r\n\r\n'

# Block 2 offers its time limit; yes runs the demonstration first.
run offer 1 'key 74\nclose\n' --block 2 --protocolflags 8
expect_file offer R.DAT 's5J    -1'"$(date +%m-%d-%Y)"'10:00:00\r\n"c",0,15,"A",129,288,32\r\n\r\n'

# A block beyond the file's blocks: the error path, with its log line.
run noblock 1 '' --block 5
expect_file noblock R.DAT '"c",0,15,"A",0,0,0\r\n\r\n'
grep -q 'kartino,form1:load,62,Input past end of file,Datei: K:\\UEB\\DEUTSCH\\EUROP' "$work/noblock/ERGEBNIS/errwin.dat" ||
    { echo "FAILED noblock: errwin.dat"; failures=$((failures + 1)); }

# A window backend asked for that cannot start: a message, and the session still ends with the
# cancel record.
display=600
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
# nowindow NAME PROGRAM MESSAGE: PROGRAM asked for a window on a display with no server behind it
# exits 1 with the cancel record, and its stderr matches MESSAGE.
nowindow() {
    local name=$1 prog=$2 message=$3 status=0
    # Under the sanitizers the leak check at exit would also look at what the X and SDL libraries
    # kept from the failed start; the program's own leaks are the in-process tests' concern.
    env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=:$display KARTINO_BACKEND=sdl \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        "$host" --program "$prog" --out "$work/$name" "$sample" > "$work/$name.log" 2> "$work/$name.err" ||
        status=$?
    [[ "$status" == 1 ]] || { echo "FAILED $name: exit $status"; cat "$work/$name.log"; failures=$((failures + 1)); }
    grep -q "$message" "$work/$name.err" ||
        { echo "FAILED $name: no message"; cat "$work/$name.err"; failures=$((failures + 1)); }
    expect_file "$name" R.DAT '"c",0,15,"A",0,256,0\r\n\r\n'
}
nowindow nodisplay "$program" 'kartino: .*display.*the session is cancelled'
# A copy of the program without its window module beside it or in a lib folder.
mkdir "$work/alone"
cp "$program" "$work/alone/kartino"
nowindow nomodule "$work/alone/kartino" 'kartino: cannot load the window backend: .* the session is cancelled'

if [[ "$failures" != 0 ]]; then exit 1; fi
echo "PASSED"
