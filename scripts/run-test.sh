#!/usr/bin/env bash
# Builds the test tree and runs one test program in a private Xvfb:
# run-test.sh NAME [ARGS...], e.g. run-test.sh toolkit_tests --gtest_filter='Foo.*'
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
name="$1"; shift
testbuild=$("$top/scripts/test-tree.sh")
exe=$(find "$testbuild" -name "$name.exe" -not -path '*/CMakeFiles/*' | head -n1)
[ -n "$exe" ] || { echo "run-test.sh: no $name.exe in $testbuild" >&2; exit 1; }
"$top/scripts/wine-prefix.sh" "$testbuild/wineprefix"
. "$top/scripts/xvfb.sh"
. "$top/scripts/wine-env.sh" "$testbuild/wineprefix"
export QIV_SOURCE_DIR="$top" QIV_BINARY_DIR="$testbuild"
cd "$(dirname "$exe")"
wine "$exe" "$@"
