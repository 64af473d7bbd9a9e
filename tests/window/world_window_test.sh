#!/usr/bin/env bash
# The world sample played through a whole run in a real X window under Xvfb, started by the host
# player: the offer of the demonstration accepted (J), the demonstration ended (E), two tasks
# answered by clicks on the map, the summary and the end of the run. The sounds are written by
# SDL's disk audio driver, so the closing sound of the demonstration shows as audio in a file:
# its name, given as the host's K:\all\bang1.wav, was found on this machine.
#   world_window_test.sh KARTINO-HOST KARTINO EXAMPLES-FOLDER
set -uo pipefail
host=$1 program=$2 examples=$3

source "$(dirname "$0")/find_window.sh"
prepare_window_test

cat > "$work/inner.sh" << 'INNER'
#!/usr/bin/env bash
set -uo pipefail
host=$1; program=$2; examples=$3; work=$4
source "$5/find_window.sh"
KARTINO_BACKEND=sdl KARTINO_TRACE="$work/trace.txt" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" \
    "$host" --program "$program" --out "$work/run" --exercise WELTK --block 2 --tasks 2 --hostoptions 128 \
    --featuremask 543 "$examples/world" > "$work/host.txt" 2>&1 &
pid=$!
find_window
wait_for_trace "form Form1 shown" "$work/trace.txt"
wait_for_full_screen
sleep 0.5
xdotool key j
wait_for_trace "form FormDemo shown" "$work/trace.txt"
sleep 0.5
xdotool key e
wait_for_trace "form FormKartino shown" "$work/trace.txt"
sleep 0.5
for point in "512 400" "300 300"; do
    xdotool mousemove --sync $point
    sleep 0.3
    xdotool click 1
    sleep 0.5
    xdotool key Return
    sleep 0.5
done
xdotool key Return
wait_for_end "the go-on after the summary"
INNER
chmod +x "$work/inner.sh"

xvfb-run -a -s "-screen 0 1024x768x24" "$work/inner.sh" "$host" "$program" "$examples" "$work" "$(cd "$(dirname "$0")" && pwd)" > "$work/out.txt" 2>&1
cat "$work/out.txt" "$work/host.txt" 2> /dev/null
trace=$(grep -v '^cursor ' "$work/trace.txt" 2> /dev/null)
expected=$'form Form1 shown\nform FormDemo shown\nsound K:\\all\\bang1.wav\nform FormDemo hidden\nform FormKartino shown\nexit 0'
[[ "$trace" == "$expected" ]] || { echo "FAILED: the trace is"; echo "$trace"; exit 1; }
grep -q "exit status 0" "$work/out.txt" || { echo "FAILED: exit status is not 0"; exit 1; }
[[ -s "$work/run/ERGEBNIS/FB.DAT" ]] || { echo "FAILED: no FB.DAT"; exit 1; }
grep -q '^"g",' "$work/run/ERGEBNIS/R.DAT" || { echo "FAILED: R.DAT has no session record"; exit 1; }
[[ -s "$work/audio.raw" ]] || { echo "FAILED: the closing sound wrote no audio"; exit 1; }
echo "FB.DAT:"; cat "$work/run/ERGEBNIS/FB.DAT"
echo "PASSED ($(stat -c %s "$work/audio.raw") bytes of audio)"
