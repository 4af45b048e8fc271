#!/usr/bin/env bash
# Builds Qivnotes and starts it under Wine on the user's display. Where this
# machine runs no 32-bit code, the 64-bit build of the same sources starts.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${QIV_BUILD_DIR:-$top/build}"
"$top/scripts/build.sh" "$build"
runbuild=$("$top/scripts/test-tree.sh")
exe="$runbuild/app/qivnotes.exe"
if [ ! -f "$exe" ]; then
    echo "qivnotes.exe does not exist yet: the application shell is still being built."
    echo "The build and the tests work: 'make test'."
    exit 0
fi
[ "$runbuild" = "$build" ] || echo "run.sh: this machine runs no 32-bit code; starting the 64-bit build of the same sources"
# Without arguments the program opens a copy of the sample card file, made
# once in the build tree so the user's changes to it stay.
if [ $# -eq 0 ] && [ -f "$top/app/sample/Beispiel.qiv" ]; then
    if [ ! -f "$runbuild/run/Beispiel.qiv" ]; then
        mkdir -p "$runbuild/run"
        cp "$top/app/sample/"* "$runbuild/run/"
    fi
    set -- "Z:$(printf '%s' "$runbuild/run/Beispiel.qiv" | tr / '\\')"
fi
exec "$top/scripts/wine-run.sh" "$runbuild/wineprefix" "$exe" "$@"
