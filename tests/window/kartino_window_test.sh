#!/usr/bin/env bash
# The program in a real X window under Xvfb, started by the host player over the sample data:
# Return leaves the start screen, Alt+Esc (the host's abort key) ends the exercise with the
# cancel record.
#   kartino_window_test.sh KARTINO-HOST KARTINO SAMPLE-FOLDER
set -uo pipefail
host=$1 program=$2 sample=$3

source "$(dirname "$0")/find_window.sh"
prepare_window_test

cat > "$work/inner.sh" << 'INNER'
#!/usr/bin/env bash
set -uo pipefail
host=$1; program=$2; sample=$3; work=$4
source "$5/find_window.sh"
KARTINO_BACKEND=sdl KARTINO_TRACE="$work/trace.txt" SDL_AUDIODRIVER=dummy \
    "$host" --program "$program" --out "$work/run" "$sample" > "$work/host.txt" 2>&1 &
pid=$!
find_window
wait_for_trace "form Form1 shown" "$work/trace.txt"
sleep 1
xdotool key Return
wait_for_trace "form FormKartino shown" "$work/trace.txt"
sleep 0.5
xdotool key alt+Escape
wait_for_end "the abort key"
INNER
chmod +x "$work/inner.sh"

xvfb-run -a -s "-screen 0 1024x768x24" "$work/inner.sh" "$host" "$program" "$sample" "$work" "$(cd "$(dirname "$0")" && pwd)" > "$work/out.txt" 2>&1
cat "$work/out.txt" "$work/host.txt" 2> /dev/null
trace=$(grep -v '^cursor ' "$work/trace.txt" 2> /dev/null)
expected=$'form Form1 shown\nform FormKartino shown\nexit 1'
[[ "$trace" == "$expected" ]] || { echo "FAILED: the trace is"; echo "$trace"; exit 1; }
grep -q "exit status 1" "$work/out.txt" || { echo "FAILED: exit status is not 1"; exit 1; }
record=$(od -An -c "$work/run/ERGEBNIS/R.DAT")
wanted=$(printf '"c",0,15,"A",0,256,0\r\n\r\n' | od -An -c)
[[ "$record" == "$wanted" ]] || { echo "FAILED: R.DAT is"; echo "$record"; exit 1; }
echo "PASSED"
