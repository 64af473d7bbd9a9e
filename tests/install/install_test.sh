#!/usr/bin/env bash
# The installed programs: installs the build into a temporary prefix, checks the files of the
# installed layout, plays a golden session over the installed sample with the installed host
# (which starts the installed program beside it) and compares R.DAT, FB.DAT, X and XX with the
# same session played from the build tree; the installed program loads its installed window
# module; the installed kartino-check finds no error in the installed samples.
#   install_test.sh BUILD-FOLDER SOURCE-FOLDER
set -euo pipefail
build=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAILED $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" > "$work/install.log"
for f in bin/kartino bin/kartino-host bin/kartino-render bin/kartino-check \
         share/man/man1/kartino.1 share/man/man1/kartino-host.1 share/man/man1/kartino-render.1 \
         share/man/man1/kartino-check.1 share/kartino/examples/iceland/UEB/DEUTSCH/ISLAN \
         share/kartino/examples/world/KARTEN/WELT.VEC share/kartino/examples/render/ALLES.VEC; do
    [[ -e "$prefix/$f" ]] || fail "not installed: $f"
done

session=$source/tests/e2e/iceland
read -ra words < "$session/host-options"
sample=${words[0]}
options=("${words[@]:1}")

# play NAME HOST-AND-ITS-ARGUMENTS...: the session headless as the host starts it; the exit code
# goes to NAME.code.
play() {
    local name=$1 status=0
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY KARTINO_BACKEND=headless KARTINO_SCRIPT="$session/script" \
        KARTINO_CLOCK="$(cat "$session/clock")" KARTINO_SCREEN="$(cat "$session/screen")" \
        "$@" "${options[@]}" --out "$work/$name" > "$work/$name.log" 2>&1 || status=$?
    echo "$status" > "$work/$name.code"
}
play installed "$prefix/bin/kartino-host" "$prefix/share/kartino/examples/$sample"
play built "$build/kartino-host" --program "$build/kartino" "$source/examples/$sample"

cmp -s "$work/installed.code" "$work/built.code" || fail "exit code $(cat "$work/installed.code"), built $(cat "$work/built.code")"
cmp -s "$work/installed.code" "$session/expected/exit-code" || fail "exit code $(cat "$work/installed.code")"
for f in R.DAT FB.DAT X XX; do
    a=$work/installed/ERGEBNIS/$f b=$work/built/ERGEBNIS/$f
    if [[ -e "$a" || -e "$b" ]]; then
        cmp "$a" "$b" || fail "$f differs from the build tree's"
    fi
done
[[ -s "$work/installed/ERGEBNIS/R.DAT" ]] || fail "the installed program left no R.DAT"

# Asked for a window on a display with no server behind it, the installed program gets as far as
# its installed window module's own start.
display=600
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=:$display KARTINO_BACKEND=sdl \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    "$prefix/bin/kartino-host" --out "$work/window" "$prefix/share/kartino/examples/sample" > "$work/window.log" 2>&1 || true
grep -q 'kartino: cannot open the display' "$work/window.log" ||
    { fail "the installed program did not start its window module"; cat "$work/window.log"; }

for s in world europe iceland sample; do
    "$prefix/bin/kartino-check" "$prefix/share/kartino/examples/$s" > "$work/check-$s.log" ||
        { fail "kartino-check $s"; cat "$work/check-$s.log"; }
done

if [[ $failures != 0 ]]; then
    echo "--- installed host"; cat "$work/installed.log"
    exit 1
fi
echo "installed programs play the $sample session as the build tree does"
