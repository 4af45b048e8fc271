#!/usr/bin/env bash
# Runs a test program in a Wine prefix of its own whose visual styles are
# switched off (ThemeActive "0"), so the shared prefix of the other tests
# keeps its styles: run_without_styles.sh PREFIX PROGRAM [ARGS...]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
prefix="$1"; shift
"$top/scripts/wine-prefix.sh" "$prefix"
. "$top/scripts/wine-env.sh" "$prefix"
if [ ! -f "$prefix/.qiv-no-styles" ]; then
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' \
        /v ThemeActive /t REG_SZ /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.qiv-no-styles"
fi
exec wine "$@"
