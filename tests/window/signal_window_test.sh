#!/usr/bin/env bash
# Termination signals in a real window under Xvfb: with the start screen of the sample shown,
# SIGTERM, SIGINT and SIGHUP sent to the program each end it within a second, like the window's
# close: exit status 1 and the cancel record in R.DAT.
#   signal_window_test.sh KARTINO-HOST KARTINO SAMPLE-FOLDER
set -uo pipefail
host=$1 program=$2 sample=$3

for tool in xvfb-run xdotool pgrep; do
    command -v "$tool" > /dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/inner.sh" << 'INNER'
#!/usr/bin/env bash
set -uo pipefail
host=$1; program=$2; sample=$3; work=$4
source "$5/find_window.sh"
for sig in TERM INT HUP; do
    # Under the sanitizers the leak check at exit looks at the X and SDL libraries' memory as well;
    # the program's own leaks are the headless tests' concern.
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    KARTINO_BACKEND=sdl KARTINO_TRACE="$work/trace-$sig.txt" SDL_AUDIODRIVER=dummy \
        "$host" --program "$program" --out "$work/run-$sig" "$sample" > "$work/host-$sig.txt" 2>&1 &
    pid=$!
    find_window
    wait_for_trace "form Form1 shown" "$work/trace-$sig.txt"
    sleep 0.3
    child=$(pgrep -P "$pid" | head -n 1)
    start=$(date +%s%N)
    kill -"$sig" "$child"
    for _ in $(seq 1 100); do kill -0 "$child" 2> /dev/null || break; sleep 0.01; done
    end=$(date +%s%N)
    wait "$pid"
    echo "$sig: host exit $?, ended after $(( (end - start) / 1000000 )) ms"
done
INNER
chmod +x "$work/inner.sh"

xvfb-run -a -s "-screen 0 1024x768x24" "$work/inner.sh" "$host" "$program" "$sample" "$work" "$(cd "$(dirname "$0")" && pwd)" > "$work/out.txt" 2>&1
cat "$work/out.txt"
grep -h -A12 "ERROR: \|runtime error" "$work"/host-*.txt 2> /dev/null | head -40
wanted=$(printf '"c",0,15,"A",0,256,0\r\n\r\n' | od -An -c)
for sig in TERM INT HUP; do
    grep -q "^$sig: host exit 1," "$work/out.txt" || { echo "FAILED: SIG$sig did not end the program with 1"; exit 1; }
    ms=$(sed -n "s/^$sig: .*after \([0-9]*\) ms/\1/p" "$work/out.txt")
    (( ms < 1000 )) || { echo "FAILED: SIG$sig took $ms ms"; exit 1; }
    record=$(od -An -c "$work/run-$sig/ERGEBNIS/R.DAT" 2> /dev/null)
    [[ "$record" == "$wanted" ]] || { echo "FAILED: R.DAT after SIG$sig is"; echo "$record"; exit 1; }
done
echo "PASSED"
