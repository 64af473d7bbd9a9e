#!/usr/bin/env bash
# The program in a real X window under Xvfb, started by the host player over the sample data,
# ended from outside: a termination signal to the program on its start screen, one to the host
# (which passes it on), and the window's close button in the exercise. Each must end within a
# second with exit status 1 and the cancel record in R.DAT.
#   kartino_signal_test.sh KARTINO-HOST KARTINO SAMPLE-FOLDER SEND-CLOSE
set -uo pipefail
host=$1 program=$2 sample=$3 sendclose=$4

source "$(dirname "$0")/find_window.sh"
prepare_window_test

cat > "$work/inner.sh" << 'INNER'
#!/usr/bin/env bash
set -uo pipefail
host=$1; program=$2; sample=$3; work=$4; sendclose=$6
source "$5/find_window.sh"
failures=0
record=$(printf '"c",0,15,"A",0,256,0\r\n\r\n' | od -An -c)

# start NAME: the host and the program on a fresh copy of the sample; sets pid (the host's) and
# child (the program's) once the start screen is shown.
start() {
    KARTINO_BACKEND=sdl KARTINO_TRACE="$work/$1.trace" SDL_AUDIODRIVER=dummy \
        "$host" --program "$program" --out "$work/$1" "$sample" > "$work/$1.host" 2>&1 &
    pid=$!
    find_window
    wait_for_trace "form Form1 shown" "$work/$1.trace"
    child=$(pgrep -P "$pid" | head -n 1)
}

# finish NAME: waits up to a second for the program and the host to end, then checks the exit
# status and R.DAT; prints how long the program took to end.
finish() {
    local t0=$1 name=$2 status
    for _ in $(seq 1 200); do kill -0 "$child" 2> /dev/null || break; sleep 0.005; done
    local ms=$((($(date +%s%N) - t0) / 1000000))
    if kill -0 "$child" 2> /dev/null; then
        echo "FAILED $name: still running after a second"; kill -KILL "$child" "$pid"; failures=$((failures + 1))
        wait "$pid"
        return
    fi
    wait "$pid"
    status=$?
    echo "$name: ended after $ms ms, exit status $status"
    [[ "$status" == 1 ]] || { echo "FAILED $name: exit status $status"; cat "$work/$name.host"; failures=$((failures + 1)); }
    local actual
    actual=$(od -An -c "$work/$name/ERGEBNIS/R.DAT" 2> /dev/null || echo missing)
    [[ "$actual" == "$record" ]] || { echo "FAILED $name: R.DAT is"; echo "$actual"; failures=$((failures + 1)); }
    [[ "$(tail -n 1 "$work/$name.trace")" == "exit 1" ]] || { echo "FAILED $name: no exit line"; failures=$((failures + 1)); }
}

# signal NAME SIGNAL TARGET: SIGNAL to the program (TARGET child) or to the host (TARGET host).
signal() {
    start "$1"
    sleep 0.5
    local target=$child
    [[ "$3" == host ]] && target=$pid
    local t0
    t0=$(date +%s%N)
    kill -s "$2" "$target"
    finish "$t0" "$1"
}

signal term TERM child
signal int INT child
signal hup-to-host HUP host

# The window's close button while a task waits for its answer.
start close
sleep 1
xdotool key Return
wait_for_trace "form FormKartino shown" "$work/close.trace"
sleep 0.5
win=$(xdotool search --onlyvisible --name '^Taliform$' 2> /dev/null | tail -n 1)
t0=$(date +%s%N)
"$sendclose" "$win"
finish "$t0" close

exit "$failures"
INNER
chmod +x "$work/inner.sh"

status=0
xvfb-run -a -s "-screen 0 1024x768x24" "$work/inner.sh" "$host" "$program" "$sample" "$work" \
    "$(cd "$(dirname "$0")" && pwd)" "$sendclose" || status=$?
[[ "$status" == 0 ]] || { echo "FAILED"; exit 1; }
echo "PASSED"
