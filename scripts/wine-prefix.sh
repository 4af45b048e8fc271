#!/usr/bin/env bash
# Makes the Wine prefix $1 once: quietly, with Wine's own fonts in its Fonts
# folder, Arial mapped to Liberation Sans, and the ANSI code page 1252. The
# registry settings carry a version of their own, so an existing prefix takes
# new settings without being made again.
set -euo pipefail
prefix="$1"
here=$(cd "$(dirname "$0")" && pwd)
settings_version=2
ready="$prefix/.qiv-ready"
settled="$prefix/.qiv-settings-$settings_version"
[ -f "$ready" ] && [ -f "$settled" ] && exit 0
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$ready" ] && [ -f "$settled" ] && exit 0
. "$here/wine-env.sh" "$prefix"

if [ ! -f "$ready" ]; then
    rm -rf "$prefix"
    DISPLAY= wineboot --init >/dev/null 2>&1 || true
    wineserver -w
    fonts="$prefix/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
    cp /usr/share/wine/fonts/*.fon "$fonts/" 2>/dev/null || true
    for f in /usr/share/fonts/truetype/liberation/LiberationSans*.ttf; do
        [ -f "$f" ] && cp "$f" "$fonts/"
    done
fi

# Windows are not managed: the test display has no window manager, and Wine
# would otherwise wait for one whenever a window is hidden or destroyed.
reg="$prefix/qiv-setup.reg"
cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Arial Bold"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Nls\CodePage]
"ACP"="1252"
"OEMCP"="850"

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winemenubuilder.exe"=""

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
REG
DISPLAY= wine regedit /S "$reg" >/dev/null 2>&1
wineserver -w
touch "$ready" "$settled"
