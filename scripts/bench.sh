#!/usr/bin/env bash
# Builds and runs every benchmark under Wine, one after the other, in the tree
# the tests use (test-tree.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${QIV_BUILD_DIR:-$top/build}"
"$top/scripts/build.sh" "$build"
testbuild=$("$top/scripts/test-tree.sh")
[ "$testbuild" = "$build" ] || echo "bench.sh: this machine runs no 32-bit code; the benchmarks run on the 64-bit build in $testbuild"
# The drawing and input benchmarks open windows: they get a private Xvfb, as
# the tests do, and never touch your display.
. "$top/scripts/xvfb.sh"
shopt -s nullglob
failed=()
for exe in "$testbuild"/bench/*Bench.exe; do
    name=$(basename "$exe" .exe)
    echo "== $name"
    (cd "$testbuild/bench" && "$top/scripts/wine-run.sh" "$testbuild/wineprefix" "$exe" "$@") || failed+=("$name")
done
# One benchmark that fails does not keep the others from running.
if [ "${#failed[@]}" -gt 0 ]; then
    echo "bench.sh: failed: ${failed[*]}" >&2
    exit 1
fi
