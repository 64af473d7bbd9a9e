#!/usr/bin/env bash
# The Debian package: cpack -G DEB from the build folder, then its file list and its Depends
# read with dpkg-deb. Skipped (exit code 77) where dpkg-deb or dpkg-shlibdeps is missing.
#   package_test.sh BUILD-FOLDER
set -euo pipefail
build=$1
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" > /dev/null || { echo "$tool is missing: skipped"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED $*"; failures=$((failures + 1)); }

(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
debs=("$work"/*.deb)
[[ -f "${debs[0]}" ]] || { echo "FAILED no .deb"; cat "$work/cpack.log"; exit 1; }
deb=${debs[0]}

dpkg-deb -c "$deb" | awk '{print $6}' > "$work/files"
for f in ./usr/bin/kartino ./usr/bin/kartino-host ./usr/bin/kartino-render ./usr/bin/kartino-check \
         ./usr/lib/kartino/kartino-sdl.so \
         ./usr/share/man/man1/kartino.1 ./usr/share/man/man1/kartino-check.1 \
         ./usr/share/kartino/examples/europe/UEB/DEUTSCH/EUROP ./usr/share/kartino/examples/sample/KARTEN/EUROPA.VEC; do
    grep -qxF "$f" "$work/files" || fail "not in the package: $f"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The libraries the programs link, found by dpkg-shlibdeps, and the fonts named by hand.
tr ',|' '\n\n' <<< "$depends" | awk '{print $1}' > "$work/depends"
for p in libc6 libstdc++6 libsdl2-2.0-0 libfreetype6 libfontconfig1 libpng16-16 fonts-liberation; do
    grep -qxF "$p" "$work/depends" || fail "Depends lacks $p"
done
[[ $failures == 0 ]] && echo "package $(basename "$deb") holds the programs, the samples and the manual pages"
exit $failures
