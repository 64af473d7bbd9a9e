#!/usr/bin/env bash
# The demonstration program in a real X window under Xvfb: xdotool clicks its button and
# presses a key, the trace shows that it reacted, the close button (WM_DELETE_WINDOW) ends it.
#   window_test.sh PROGRAM CLOSE-HELPER
set -uo pipefail
program=$1
close_helper=$2

source "$(dirname "$0")/find_window.sh"
prepare_window_test

cat > "$work/inner.sh" << 'INNER'
#!/usr/bin/env bash
set -uo pipefail
program=$1; close_helper=$2; work=$3
source "$4/find_window.sh"
cd "$work"
KARTINO_BACKEND=sdl KARTINO_TRACE="$work/trace.txt" SDL_AUDIODRIVER=dummy "$program" &
pid=$!
find_window
wait_for_trace "form FormUiDemo shown" "$work/trace.txt"
wait_for_full_screen
height=$(xdotool getdisplaygeometry | cut -d' ' -f2)
xdotool mousemove --sync 60 $((height - 34))
sleep 0.3
xdotool click 1   # the button CommandWeiter
wait_for_trace "sound click.wav" "$work/trace.txt"
# A click sent while a loaded machine still maps the window lands on the root window: once more.
grep -qxF "sound click.wav" "$work/trace.txt" || { xdotool click 1; wait_for_trace "sound click.wav" "$work/trace.txt"; }
xdotool key a
wait_for_trace "sound key65.wav" "$work/trace.txt"
# SDL may replace its first window while it sets up full screen: look the window up again.
win=$(xdotool search --name '^Taliform$' 2> /dev/null | tail -n 1)
"$close_helper" "$win"
wait_for_end "the close button"
INNER
chmod +x "$work/inner.sh"

xvfb-run -a -s "-screen 0 1024x768x24" "$work/inner.sh" "$program" "$close_helper" "$work" "$(cd "$(dirname "$0")" && pwd)" > "$work/out.txt" 2>&1
cat "$work/out.txt"
trace=$(uniq "$work/trace.txt" 2> /dev/null)
echo "--- trace"; echo "$trace"
expected=$'form FormUiDemo shown\nsound click.wav\nsound key65.wav\nexit 1'
if [[ "$trace" != "$expected" ]]; then
    echo "FAILED: the trace differs from"; echo "$expected"
    exit 1
fi
grep -q "exit status 1" "$work/out.txt" || { echo "FAILED: exit status is not 1"; exit 1; }
echo "PASSED"
