#!/usr/bin/env bash
# The demonstration program as a whole process on the headless backend, driven only through
# the environment: the script clicks the button and takes a screenshot; the trace and the
# picture show the effect.
#   headless_demo_test.sh PROGRAM PNG-PIXEL
set -euo pipefail
program=$1
png_pixel=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/script.txt" << 'SCRIPT'
# the button lies at the bottom left of a 320 x 240 screen
wait 100
click 60 205
screenshot shot.png
key 27
SCRIPT
status=0
(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY KARTINO_SCREEN=320x240 KARTINO_SCRIPT="$work/script.txt" \
    KARTINO_TRACE="$work/trace.txt" KARTINO_CLOCK=08:00:00 "$program") || status=$?
expected=$'form FormUiDemo shown\nsound click.wav\nexit 0'
trace=$(cat "$work/trace.txt")
[[ "$status" == 0 ]] || { echo "FAILED: exit status $status"; exit 1; }
[[ "$trace" == "$expected" ]] || { echo "FAILED: trace"; echo "$trace"; exit 1; }
[[ -s "$work/shot.png" ]] || { echo "FAILED: no screenshot"; exit 1; }
pixel=$("$png_pixel" "$work/shot.png" 160 120)
[[ "$pixel" == "0,160,0" ]] || { echo "FAILED: the figure is $pixel, not green"; exit 1; }
echo "PASSED"
