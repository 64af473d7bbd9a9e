#!/usr/bin/env bash
# What ./run-example does on a machine without a display, for every sample: the host player starts
# the program headless with the sample's scripted trainee, who plays a whole run to its end
# (exit 0), leaves a screenshot at every task and a session record in R.DAT.
#   trainee_test.sh KARTINO-HOST EXAMPLES-FOLDER
set -uo pipefail
host=$1 examples=$2
failed=0
for dir in "$examples"/*/; do
    name=$(basename "$dir")
    [[ -f "$dir/trainee.script" ]] || continue
    work=$(mktemp -d)
    status=0
    (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY KARTINO_BACKEND=headless KARTINO_SCREEN=1024x768 \
        KARTINO_SCRIPT="$dir/trainee.script" "$host" --options-file "$dir/host-options" --out "$work/run" "$dir" \
        > "$work/host.txt" 2>&1) || status=$?
    shots=$(ls "$work"/task*.png 2> /dev/null | wc -l)
    if [[ $status != 0 || $shots == 0 ]] || ! grep -q '^"g",' "$work/run/ERGEBNIS/R.DAT"; then
        echo "FAILED: $name (exit $status, $shots task screenshots)"; cat "$work/host.txt"; failed=1
    else
        echo "$name: exit 0, $shots task screenshots, $(grep -c '^"g",' "$work/run/ERGEBNIS/R.DAT") session record(s)"
    fi
    rm -rf "$work"
done
(( failed == 0 )) && echo "PASSED"
exit $failed
