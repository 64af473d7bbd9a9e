#!/usr/bin/env bash
# The demonstration program in a real X window under Xvfb: xdotool clicks its button and
# presses a key, the trace shows that it reacted, the close button (WM_DELETE_WINDOW) ends it.
#   window_test.sh PROGRAM CLOSE-HELPER
set -uo pipefail
program=$1
close_helper=$2

if ! command -v xvfb-run > /dev/null; then
    echo "SKIPPED: xvfb-run is not installed (Debian package xvfb)"
    exit 77
fi
if ! command -v xdotool > /dev/null; then
    echo "SKIPPED: xdotool is not installed"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/inner.sh" << 'INNER'
#!/usr/bin/env bash
set -uo pipefail
program=$1; close_helper=$2; work=$3
cd "$work"
KARTINO_BACKEND=sdl KARTINO_TRACE="$work/trace.txt" SDL_AUDIODRIVER=dummy "$program" &
pid=$!
win=""
for _ in $(seq 1 100); do
    win=$(xdotool search --name '^Taliform$' 2> /dev/null | head -n 1)
    [[ -n "$win" ]] && break
    sleep 0.1
done
if [[ -z "$win" ]]; then echo "the window did not appear"; kill "$pid"; exit 1; fi
sleep 0.5
height=$(xdotool getdisplaygeometry | cut -d' ' -f2)
xdotool mousemove 60 $((height - 34)) click 1   # the button CommandWeiter
sleep 0.5
xdotool key a
sleep 0.5
# SDL may replace its first window while it sets up full screen: look the window up again.
win=$(xdotool search --name '^Taliform$' 2> /dev/null | tail -n 1)
"$close_helper" "$win"
for _ in $(seq 1 50); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2> /dev/null; then echo "the close button did not end the program"; kill "$pid"; exit 1; fi
wait "$pid"
echo "exit status $?"
INNER
chmod +x "$work/inner.sh"

xvfb-run -a -s "-screen 0 1024x768x24" "$work/inner.sh" "$program" "$close_helper" "$work" > "$work/out.txt" 2>&1
cat "$work/out.txt"
trace=$(cat "$work/trace.txt" 2> /dev/null)
echo "--- trace"; echo "$trace"
expected=$'form FormUiDemo shown\nsound click.wav\nsound key65.wav\nexit 1'
if [[ "$trace" != "$expected" ]]; then
    echo "FAILED: the trace differs from"; echo "$expected"
    exit 1
fi
grep -q "exit status 1" "$work/out.txt" || { echo "FAILED: exit status is not 1"; exit 1; }
echo "PASSED"
