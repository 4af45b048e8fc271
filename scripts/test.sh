#!/usr/bin/env bash
# Builds everything and runs every test under Wine inside one private Xvfb.
# The 32-bit programs are always built; the tests run in the tree that
# test-tree.sh names (the 64-bit twin where 32-bit code cannot run).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${QIV_BUILD_DIR:-$top/build}"
"$top/scripts/build.sh" "$build"
testbuild=$("$top/scripts/test-tree.sh")
[ "$testbuild" = "$build" ] || echo "test.sh: this machine runs no 32-bit code; the tests run on the 64-bit build in $testbuild"

"$top/scripts/wine-prefix.sh" "$testbuild/wineprefix"
. "$top/scripts/xvfb.sh"
. "$top/scripts/wine-env.sh" "$testbuild/wineprefix"
# Keep one server for the whole run, and start Wine's own services now: started
# from inside a test they would hold that test's output open after it ends.
wineserver -p >/dev/null 2>&1 || true
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true

cd "$testbuild"
ctest --output-on-failure -j "${QIV_TEST_JOBS:-$(nproc)}" "$@"
