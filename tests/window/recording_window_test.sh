#!/usr/bin/env bash
# A session recorded in a real X window under Xvfb and replayed headless: the Europe sample
# played by xdotool (the variant and the demonstration by keys, tasks answered by clicks and by
# the keyboard pointer), recorded with KARTINO_RECORD; the recording replayed on the headless
# backend, which takes the clock and the screen from its first line, must leave the same R.DAT
# (the protocol lines' date aside), FB.DAT, X and XX.
#   recording_window_test.sh KARTINO-HOST KARTINO EXAMPLES-FOLDER
set -uo pipefail
host=$1 program=$2 examples=$3
options=(--exercise EUROP --block 1 --tasks 4 --hostflags 2048 --hostoptions 160 --featuremask 543 --protocolflags 8)

source "$(dirname "$0")/find_window.sh"
prepare_window_test

# The trainee: one xdotool command a line, then how long to give the program (seconds), or
# `trace LINE`: wait for the trace line. Lisbon
# clicked on its dot; a click on the sea that only warns, then the arrow keys from beside Rome
# onto its dot and Space; Bern's dot for Paris by Shift+Right (wrong); Monaco by keys again; the
# summary and the end of the run.
cat > "$work/trainee" << 'STEPS'
key w 0.5
key j 0.5
trace form FormDemo shown
key w 0.5
key w 0.5
key z 0.5
key e 0.5
trace form FormKartino shown
sleep 0.5
mousemove --sync 318 664 0.3
click 1 0.5
key Return 0.5
mousemove --sync 384 528 0.3
click 1 0.5
mousemove --sync 590 606 0.3
key Right Right Right Right Right space 0.5
key Return 0.5
mousemove --sync 520 517 0.3
key shift+Right space 0.5
key Return 0.5
mousemove --sync 528 574 0.3
key Right Right Right space 0.5
key Return 0.5
key Return 0.5
STEPS

cat > "$work/inner.sh" << 'INNER'
#!/usr/bin/env bash
set -uo pipefail
host=$1; program=$2; examples=$3; work=$4
source "$5/find_window.sh"
shift 5
KARTINO_BACKEND=sdl KARTINO_DPI=96 KARTINO_KEYBOARD_POINTER=1 KARTINO_RECORD="$work/recording" \
    KARTINO_TRACE="$work/trace.txt" SDL_AUDIODRIVER=dummy \
    "$host" --program "$program" --out "$work/window" "$@" "$examples/europe" > "$work/host.txt" 2>&1 &
pid=$!
find_window
wait_for_trace "form Form1 shown" "$work/trace.txt"
wait_for_full_screen
sleep 0.5
while read -r -a step; do
    case ${step[0]} in
    trace) wait_for_trace "${step[*]:1}" "$work/trace.txt"; continue ;;
    sleep) sleep "${step[1]}"; continue ;;
    esac
    xdotool "${step[@]:0:${#step[@]}-1}"
    sleep "${step[-1]}"
done < "$work/trainee"
wait_for_end "the last answer"
INNER
chmod +x "$work/inner.sh"

xvfb-run -a -s "-screen 0 1024x768x24" "$work/inner.sh" "$host" "$program" "$examples" "$work" \
    "$(cd "$(dirname "$0")" && pwd)" "${options[@]}" > "$work/out.txt" 2>&1
cat "$work/out.txt" "$work/host.txt" 2> /dev/null
echo "--- recording"; cat "$work/recording"
grep -q '^"g",' "$work/window/ERGEBNIS/R.DAT" 2> /dev/null ||
    { echo "FAILED: the window run has no session record; its trace:"; cat "$work/trace.txt"; exit 1; }

env -u DISPLAY -u WAYLAND_DISPLAY KARTINO_BACKEND=headless KARTINO_KEYBOARD_POINTER=1 \
    KARTINO_SCRIPT="$work/recording" "$host" --program "$program" --out "$work/replay" "${options[@]}" \
    "$examples/europe" > "$work/replay.txt" 2>&1

# The protocol lines end in the date and the time of day; the replay runs on another day.
undated() { sed -E 's/[0-9]{2}-[0-9]{2}-[0-9]{4}([0-9:]{8}\r?)$/DATE\1/' "$1" 2> /dev/null || echo "missing"; }
failures=0
for file in R.DAT FB.DAT X XX; do
    if [[ "$(undated "$work/window/ERGEBNIS/$file")" != "$(undated "$work/replay/ERGEBNIS/$file")" ]]; then
        echo "FAILED: $file of the replay differs"; diff <(undated "$work/window/ERGEBNIS/$file") \
            <(undated "$work/replay/ERGEBNIS/$file"); failures=$((failures + 1))
    fi
done
echo "R.DAT:"; cat "$work/window/ERGEBNIS/R.DAT"; echo "FB.DAT:"; cat "$work/window/ERGEBNIS/FB.DAT"
((failures == 0)) || exit 1
echo "PASSED"
