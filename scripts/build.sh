#!/usr/bin/env bash
# Configures (once) and builds the tree: build.sh [BUILD_DIR]. Installs what is
# missing first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$top/build}"
if ! command -v i686-w64-mingw32-g++-posix >/dev/null || ! command -v wine >/dev/null \
   || ! command -v Xvfb >/dev/null || [ ! -d /usr/share/wine/fonts ] || ! command -v ninja >/dev/null \
   || [ ! -f /usr/src/googletest/CMakeLists.txt ] || [ ! -f "$top/third_party/libpng-src/png.h" ] \
   || [ ! -f /usr/i686-w64-mingw32/lib/libz.a ]; then
    "$top/scripts/bootstrap.sh"
fi
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$top" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" >/dev/null
fi
# QIV_TARGETS narrows the build (default: everything); QIV_JOBS its parallelism.
targets=()
for t in ${QIV_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build" -j "${QIV_JOBS:-$(nproc)}" "${targets[@]}"
