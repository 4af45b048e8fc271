#!/usr/bin/env bash
# Builds the tree whose programs the tests run here and prints its folder:
# the 32-bit build itself, or, where this machine runs no 32-bit code, its
# 64-bit twin beside it (BUILD_DIR-x64), which is told where the 32-bit
# programs are. Used by test.sh, run-test.sh, bench.sh and run.sh.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${QIV_BUILD_DIR:-$top/build}"
. "$top/scripts/wine-arch.sh"
if [ "$QIV_WINEARCH" = win64 ]; then
    twin="$build-x64"
    QIV_ARCH=x86_64 QIV_CMAKE_ARGS="-DQIV_PRODUCT_BUILD_DIR=$build" "$top/scripts/build.sh" "$twin" >&2
    echo "$twin"
else
    echo "$build"
fi
