#!/usr/bin/env bash
# Builds and runs every benchmark under Wine, one after the other.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${QIV_BUILD_DIR:-$top/build}"
"$top/scripts/build.sh" "$build"
shopt -s nullglob
for exe in "$build"/bench/*Bench.exe; do
    echo "== $(basename "$exe" .exe)"
    (cd "$build/bench" && "$top/scripts/wine-run.sh" "$build/wineprefix" "$exe" "$@")
done
