#!/usr/bin/env bash
# Sessions recorded and replayed headless, as separate processes through the host player: each
# golden session of tests/e2e/<case>/ is played with KARTINO_RECORD, its recording played again
# with only KARTINO_SCRIPT (the clock and the screen come from the recording's first line) and
# KARTINO_SHOTS. The recorded run must leave the golden files (the protocol lines' date aside:
# the golden sessions run on a fixed day), the replay the recorded run's files byte for byte,
# and the replay's pictures must be one for each answer and each summary, in order.
#   recording_test.sh KARTINO-HOST KARTINO EXAMPLES-FOLDER SESSIONS-FOLDER
set -uo pipefail
host=$1 program=$2 examples=$3 sessions=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED $*"; failures=$((failures + 1)); }

# session, screen and clock ("-": the golden session's own), the pictures (A an answer, S a
# summary), golden files? On 800 x 600 the world session's clicks miss: two answers, then the end
# of the script closes the window, which the recording has as its last line.
cases=(
    "europe - - AAAAAAS yes"
    "iceland - - AAAAAASAAS yes"
    "world - - AAAAAAS yes"
    "world 800x600 23:59:40 AA no"
)

undated() { sed -E 's/[0-9]{2}-[0-9]{2}-[0-9]{4}([0-9:]{8}\r?)$/DATE\1/' "$1" 2> /dev/null || echo "missing"; }

# play NAME OUT ENV…: the session NAME's host options over its sample, with the environment.
play() {
    local name=$1 out=$2
    shift 2
    read -r -a options < "$sessions/$name/host-options"
    env -u DISPLAY -u WAYLAND_DISPLAY KARTINO_BACKEND=headless "$@" \
        "$host" --program "$program" --out "$out" "${options[@]:1}" "$examples/${options[0]}" > "$out.log" 2>&1
}

for row in "${cases[@]}"; do
    read -r name screen clock moments golden <<< "$row"
    [[ $screen == - ]] && screen=$(< "$sessions/$name/screen")
    [[ $clock == - ]] && clock=$(< "$sessions/$name/clock")
    dir="$work/$name-$screen"
    mkdir -p "$dir"
    play "$name" "$dir/recorded" KARTINO_SCRIPT="$sessions/$name/script" KARTINO_SCREEN="$screen" \
        KARTINO_CLOCK="$clock" KARTINO_RECORD="$dir/recording"
    play "$name" "$dir/replayed" KARTINO_SCRIPT="$dir/recording" KARTINO_SHOTS="$dir/shots"
    [[ "$(head -n 1 "$dir/recording")" == "# clock $clock screen $screen" ]] ||
        fail "$name $screen: the recording starts with '$(head -n 1 "$dir/recording")'"
    for file in R.DAT FB.DAT X XX; do
        recorded="$dir/recorded/ERGEBNIS/$file" replayed="$dir/replayed/ERGEBNIS/$file"
        if [[ -e $recorded || -e $replayed ]] && ! cmp -s "$recorded" "$replayed"; then
            fail "$name $screen: the replay's $file differs"
        fi
        if [[ $golden == yes && "$(undated "$recorded")" != "$(undated "$sessions/$name/expected/$file")" ]]; then
            [[ -e $recorded || -e "$sessions/$name/expected/$file" ]] && fail "$name: the recorded run's $file is not the golden one"
        fi
    done
    expected=""
    for ((i = 0; i < ${#moments}; i++)); do
        [[ ${moments:i:1} == A ]] && moment=answer || moment=summary
        expected+="$(printf '%04d' $((i + 1)))-$moment.png "
    done
    actual=$(ls "$dir/shots" 2> /dev/null | tr '\n' ' ')
    [[ "$actual" == "$expected" ]] || fail "$name $screen: the pictures are '$actual', not '$expected'"
    for png in "$dir"/shots/*.png; do
        [[ "$(head -c 4 "$png" | od -An -c | tr -d ' ')" == "211PNG" ]] || fail "$name $screen: $png is no PNG"
    done
done

((failures == 0)) || exit 1
echo "PASSED (${#cases[@]} sessions)"
