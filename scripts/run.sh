#!/usr/bin/env bash
# Builds Qivnotes and starts it under Wine on the user's display.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${QIV_BUILD_DIR:-$top/build}"
"$top/scripts/build.sh" "$build"
exe="$build/app/qivnotes.exe"
if [ ! -f "$exe" ]; then
    echo "qivnotes.exe does not exist yet: the application shell is still being built."
    echo "The build and the tests work: 'make test'."
    exit 0
fi
exec "$top/scripts/wine-run.sh" "$build/wineprefix" "$exe" "$@"
