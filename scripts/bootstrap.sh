#!/usr/bin/env bash
# Installs, idempotently, everything the build and the tests need on Debian 12:
# the MinGW-w64 i686 cross compilers, Wine (32-bit) with Xvfb, CMake and Ninja,
# GoogleTest's sources, zlib for MinGW and the libpng source package; and the
# x86_64 compilers with 64-bit Wine for the test twin on machines that run no
# 32-bit code (scripts/wine-arch.sh). 32-bit Wine prints through the i386 CUPS
# library, so that is installed too.
# Runs as root, or through sudo when it is available.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/.." && pwd)
SUDO=""
if [ "$(id -u)" != 0 ]; then
    if command -v sudo >/dev/null; then SUDO="sudo"; else
        echo "bootstrap: root or sudo is needed to install packages" >&2; exit 1
    fi
fi

packages=(
    mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine32:i386 wine64 fonts-wine xvfb xauth fonts-liberation cmake ninja-build googletest
    libz-mingw-w64-dev dpkg-dev python3 make chromium ccache locales
    cups-daemon cups-client printer-driver-cups-pdf poppler-utils libcups2:i386
)

missing=()
have_i386=$(dpkg --print-foreign-architectures | grep -c '^i386$' || true)
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

need_src=0
[ -f "$top/third_party/libpng-src/png.h" ] || need_src=1

# A deb-src entry of the same suite, so 'apt-get source' finds libpng1.6.
if [ "$need_src" = 1 ] && ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ \
        && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    $SUDO tee /etc/apt/sources.list.d/qivnotes-src.sources >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
fi

if [ "${#missing[@]}" -gt 0 ] || [ "$have_i386" = 0 ] || [ "$need_src" = 1 ]; then
    [ "$have_i386" = 0 ] && $SUDO dpkg --add-architecture i386
    $SUDO apt-get update -qq
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "bootstrap: installing ${missing[*]}"
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
fi

# The posix thread model, for std::thread and friends.
for triple in i686-w64-mingw32 x86_64-w64-mingw32; do
    for tool in gcc g++; do
        alt=/usr/bin/$triple-$tool-posix
        [ -x "$alt" ] && $SUDO update-alternatives --set $triple-$tool "$alt" >/dev/null 2>&1 || true
    done
done

# The German locale Wine runs under (scripts/wine-env.sh): Wine takes its
# user-interface language from it. Listed in /etc/locale.gen, so that a later
# locale-gen (an update of the locales package runs one) keeps it.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    if grep -qs '^# *de_DE.UTF-8 UTF-8' /etc/locale.gen; then
        $SUDO sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    elif ! grep -qs '^de_DE.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    fi
    $SUDO locale-gen >/dev/null
fi

if [ "$need_src" = 1 ]; then
    work=$(mktemp -d)
    (cd "$work" && apt-get source -qq --download-only libpng1.6 >/dev/null 2>&1 \
        && dpkg-source -x --skip-patches libpng1.6_*.dsc src >/dev/null 2>&1 || \
        (cd "$work" && apt-get source -qq libpng1.6 >/dev/null && mv libpng1.6-*/ src))
    mkdir -p "$top/third_party"
    rm -rf "$top/third_party/libpng-src"
    mv "$work/src" "$top/third_party/libpng-src"
    rm -rf "$work"
fi
echo "bootstrap: ready"
