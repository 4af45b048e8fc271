#!/usr/bin/env bash
# Builds and runs every benchmark under Wine, one after the other, in the tree
# the tests use (test-tree.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${QIV_BUILD_DIR:-$top/build}"
"$top/scripts/build.sh" "$build"
testbuild=$("$top/scripts/test-tree.sh")
[ "$testbuild" = "$build" ] || echo "bench.sh: this machine runs no 32-bit code; the benchmarks run on the 64-bit build in $testbuild"
shopt -s nullglob
for exe in "$testbuild"/bench/*Bench.exe; do
    echo "== $(basename "$exe" .exe)"
    (cd "$testbuild/bench" && "$top/scripts/wine-run.sh" "$testbuild/wineprefix" "$exe" "$@")
done
