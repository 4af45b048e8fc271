#!/usr/bin/env bash
# Builds everything and runs every test under Wine inside one private Xvfb.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${QIV_BUILD_DIR:-$top/build}"
"$top/scripts/build.sh" "$build"

"$top/scripts/wine-prefix.sh" "$build/wineprefix"

# One Xvfb for the whole run, on a display number it picks itself.
dispfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dispfile" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$dispfile" ] && break; sleep 0.1; done
[ -s "$dispfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$dispfile")"
rm -f "$dispfile"

. "$top/scripts/wine-env.sh" "$build/wineprefix"
cleanup() { wineserver -k >/dev/null 2>&1 || true; kill "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
# Keep one server for the whole run, and start Wine's own services now: started
# from inside a test they would hold that test's output open after it ends.
wineserver -p >/dev/null 2>&1 || true
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true

cd "$build"
ctest --output-on-failure -j "${QIV_TEST_JOBS:-$(nproc)}" "$@"
