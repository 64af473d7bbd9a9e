#!/usr/bin/env bash
# The program in a real X window under Xvfb, started by the host player over the sample data,
# ended from outside in five of its states (the start screen, the demonstration, its closing
# pause, a task waiting for its answer, a task answered): by SIGTERM, SIGINT and SIGHUP to the
# program and by the window's close button; and once by a signal to the host, which passes it on.
# And by the three signals while the error handler's message box is up (the map file is missing
# when the start screen is left); the box is modal, so the window's close waits for its OK.
# Each must end within a second with exit status 1, the cancel record of that state in R.DAT and
# no other result file but the error log after a failure. One Xvfb serves every cell; the time
# each took is printed.
#   kartino_exits_test.sh KARTINO-HOST KARTINO SAMPLE-FOLDER SEND-CLOSE
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
slowest=0

# The cancel records. Block 1 of the sample has no offer (exercise flags 0); block 2 offers the
# demonstration (flags 129, status 288, accepted: offer flags 32). The answered task is the
# first of block 2, clicked in the sea below Paris: answer 0, then its time in seconds (real
# time, so left out of the comparison as T), map record 2, no help.
declare -A record=(
    [start]='"c",0,15,"A",0,256,0\r\n\r\n'
    [demonstration]='"c",0,15,"A",129,288,32\r\n\r\n'
    [pause]='"c",0,15,"A",129,288,32\r\n\r\n'
    [task]='"c",0,15,"A",0,256,0\r\n\r\n'
    [answered]='"c",1,15,"A",129,288,0\r\n 0, T, 2,-\r\n'
    [box]='"c",0,15,"A",0,256,0\r\n\r\n'
)
declare -A block=([start]=1 [demonstration]=2 [pause]=2 [task]=1 [answered]=2 [box]=1)
# The sample without its map, for the message box.
cp -r "$sample" "$work/nomap"
rm "$work/nomap/KARTEN/EUROPA.VEC"
declare -A dataset=([box]="$work/nomap")
declare -A logged=([box]=errwin.dat) # the result files besides R.DAT

# reach STATE NAME: from the start screen into the state, as a trainee would.
reach() {
    local trace="$work/$2.trace"
    case $1 in
    demonstration | pause)
        xdotool key j
        wait_for_trace "form FormDemo shown" "$trace"
        sleep 0.3
        if [[ $1 == pause ]]; then
            xdotool key e
            wait_for_trace 'sound K:\all\bang1.wav' "$trace"
        fi
        ;;
    task)
        xdotool key Return
        wait_for_trace "form FormKartino shown" "$trace"
        sleep 0.3
        ;;
    answered)
        xdotool key n
        wait_for_trace "form FormKartino shown" "$trace"
        sleep 0.3
        xdotool mousemove --sync 429 536 click 1
        sleep 0.5
        ;;
    box)
        xdotool key Return
        wait_for_trace 'msgbox errhandler|kartino|vec:fngrafin|53|File not found|Datei: K:\KARTEN\EUROPA.VEC' "$trace"
        sleep 0.5
        ;;
    esac
}

# start STATE NAME: the host and the program on a fresh copy of the sample, in full screen;
# sets pid (the host's) and child (the program's). Another test's Xvfb starting on this machine
# at the same moment can make the display briefly unreachable; the program then runs on its
# silent fallback and ends at once, and the cell is started again.
start() {
    local attempt
    for attempt in 1 2 3; do
        KARTINO_BACKEND=sdl KARTINO_TRACE="$work/$2.trace" SDL_AUDIODRIVER=dummy \
            "$host" --program "$program" --out "$work/$2" --block "${block[$1]}" --tasks 2 \
            "${dataset[$1]:-$sample}" > "$work/$2.host" 2>&1 &
        pid=$!
        for _ in $(seq 1 200); do
            xdotool search --name '^Taliform$' > /dev/null 2>&1 && break
            kill -0 "$pid" 2> /dev/null || break
            sleep 0.1
        done
        kill -0 "$pid" 2> /dev/null && break
        wait "$pid"
        grep -q "cannot open the display" "$work/$2.host" || break
        echo "$2: the display was not reachable, starting again"
    done
    find_window
    wait_for_trace "form Form1 shown" "$work/$2.trace"
    wait_for_full_screen
    sleep 0.3
    child=$(pgrep -P "$pid" | head -n 1)
}

# Milliseconds since the time $1 (an EPOCHREALTIME, which costs no process).
ms_since() {
    local now=$EPOCHREALTIME
    echo $(((${now/./} - ${1/./}) / 1000))
}

fail() {
    echo "FAILED $1: $2"
    failures=$((failures + 1))
}

# finish T0 STATE NAME: waits up to a second for the program and the host to end, then checks
# the exit status, R.DAT, the other result files and the trace.
finish() {
    local t0=$1 state=$2 name=$3 status folder="$work/$3/ERGEBNIS" written=""
    for _ in $(seq 1 200); do
        [[ -z "$written" && -s "$folder/R.DAT" ]] && written=$(ms_since "$t0")
        kill -0 "$child" 2> /dev/null || break
        sleep 0.005
    done
    local ms
    ms=$(ms_since "$t0")
    if kill -0 "$child" 2> /dev/null; then
        fail "$name" "still running after a second"
        kill -KILL "$child" "$pid"
        wait "$pid"
        return
    fi
    wait "$pid"
    status=$?
    echo "$name: R.DAT after ${written:-?} ms, ended after $ms ms, exit status $status"
    ((ms > slowest)) && slowest=$ms
    [[ "$status" == 1 ]] || { fail "$name" "exit status $status"; cat "$work/$name.host"; }
    local actual expected
    actual=$(sed -E '2s/^( 0,) [^,]*,/\1 T,/' "$folder/R.DAT" 2> /dev/null | od -An -c || echo missing)
    expected=$(printf "${record[$state]}" | od -An -c)
    [[ "$actual" == "$expected" ]] || { fail "$name" "R.DAT is"; od -An -c "$folder/R.DAT"; }
    local others
    others=$(ls "$folder" | grep -vx -e instru -e R.DAT -e "${logged[$state]:-R.DAT}")
    [[ -z "$others" ]] || fail "$name" "other result files: $others"
    [[ "$(tail -n 1 "$work/$name.trace")" == "exit 1" ]] || fail "$name" "no exit line"
    local left
    for left in $helpers; do
        kill -0 "$left" 2> /dev/null && { fail "$name" "process $left of the program is left behind"; kill "$left"; }
    done
    if [[ $state == pause ]] && grep -qx "form FormDemo hidden" "$work/$name.trace"; then
        fail "$name" "the closing pause ran to its end"
    fi
}

# cell STATE WAY: one start, the state reached, then the way out: a signal to the program
# (TERM, INT, HUP), one to the host (HUP-HOST) or the window's close button (CLOSE).
cell() {
    local state=$1 way=$2 name="$1-$2"
    start "$state" "$name"
    reach "$state" "$name"
    helpers=$(pgrep -P "$child") # the message box's process, while it is up
    local t0=$EPOCHREALTIME
    case $way in
    CLOSE) "$sendclose" "$(xdotool search --onlyvisible --name '^Taliform$' 2> /dev/null | tail -n 1)" ;;
    HUP-HOST) kill -s HUP "$pid" ;;
    *) kill -s "$way" "$child" ;;
    esac
    finish "$t0" "$state" "$name"
}

for state in start demonstration pause task answered; do
    for way in TERM INT HUP CLOSE; do
        cell "$state" "$way"
    done
done
cell start HUP-HOST
for way in TERM INT HUP; do
    cell box "$way"
done
echo "the slowest end took $slowest ms"
exit "$failures"
INNER
chmod +x "$work/inner.sh"

status=0
xvfb-run -a -s "-screen 0 1024x768x24" "$work/inner.sh" "$host" "$program" "$sample" "$work" \
    "$(cd "$(dirname "$0")" && pwd)" "$sendclose" || status=$?
[[ "$status" == 0 ]] || { echo "FAILED"; exit 1; }
echo "PASSED"
