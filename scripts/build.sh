#!/usr/bin/env bash
# Configures (once) and builds the tree: build.sh [BUILD_DIR]. Installs what is
# missing first. QIV_ARCH=x86_64 builds the 64-bit test twin instead of the
# 32-bit programs (scripts/wine-arch.sh says when the tests need it).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$top/build}"
arch="${QIV_ARCH:-i686}"
if ! command -v i686-w64-mingw32-g++-posix >/dev/null || ! command -v x86_64-w64-mingw32-g++-posix >/dev/null \
   || ! command -v wine >/dev/null || [ ! -x /usr/lib/wine/wine64 ] \
   || ! command -v Xvfb >/dev/null || [ ! -d /usr/share/wine/fonts ] || ! command -v ninja >/dev/null \
   || [ ! -f /usr/src/googletest/CMakeLists.txt ] || [ ! -f "$top/third_party/libpng-src/png.h" ] \
   || [ ! -f /usr/i686-w64-mingw32/lib/libz.a ] || [ ! -f /usr/x86_64-w64-mingw32/lib/libz.a ] \
   || ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    "$top/scripts/bootstrap.sh"
fi
# Several trees of the same sources (the twin, other checkouts) share one
# compiler cache when ccache is there.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$top" CCACHE_NOHASHDIR=1
fi
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$top" -B "$build" -G Ninja "${launcher[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-$arch.cmake" ${QIV_CMAKE_ARGS:-} >/dev/null
fi
# QIV_TARGETS narrows the build (default: everything); QIV_JOBS its parallelism.
targets=()
for t in ${QIV_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build" -j "${QIV_JOBS:-$(nproc)}" "${targets[@]}"
