#!/usr/bin/env bash
# The program as the host starts it, with a folder in the result folder where a result file
# belongs: a folder named R.DAT (the session record cannot be written: reported, exit code 1,
# FB.DAT still there) and one named FB.DAT (reported, the record says there is no FB.DAT, exit
# code 0). Two tasks of the sample, as its README plays them.
#   result_folder_test.sh KARTINO-HOST KARTINO SAMPLE-FOLDER
set -euo pipefail
host=$1 program=$2 sample=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED $1"; cat "$work/$1.log"; failures=$((failures + 1)); }
printf 'key 13\nmove 429 336\nclick 429 336\nkey 13\nclick 600 300\nkey 13\nkey 13\n' > "$work/script"

# run NAME EXPECTED-EXIT: plays the host over a result folder holding a folder named NAME.
run() {
    local name=$1 expected=$2 status=0
    mkdir -p "$work/$name/ERGEBNIS/$name"
    env -u DISPLAY -u WAYLAND_DISPLAY KARTINO_BACKEND=headless KARTINO_SCRIPT="$work/script" \
        KARTINO_CLOCK=10:00:00 "$host" --program "$program" --out "$work/$name" --tasks 2 "$sample" \
        > "$work/$name.log" 2>&1 || status=$?
    [[ "$status" == "$expected" ]] || fail "$name (exit $status, expected $expected)"
    grep -q "kartino,[a-z:]*,75,Path/File access error,Datei: K:\\\\ERGEBNIS\\\\$name\$" \
        <(tr -d '\r' < "$work/$name/ERGEBNIS/errwin.dat") || fail "$name (errwin.dat)"
    [[ -d "$work/$name/ERGEBNIS/$name" ]] || fail "$name (the folder is gone)"
}

run R.DAT 1
grep -q '^--- FB.DAT (OEM' "$work/R.DAT.log" || fail "R.DAT (no FB.DAT)"

run FB.DAT 0
# Field 20 of the session record: 1, the run has no FB.DAT.
[[ "$(head -1 "$work/FB.DAT/ERGEBNIS/R.DAT" | cut -d, -f20)" == 1 ]] || fail "FB.DAT (field 20)"

[[ $failures == 0 ]] && echo "result folder cases passed"
exit $failures
