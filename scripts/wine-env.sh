# Sourced: the Wine settings every run of ours uses. $1 is the prefix.
. "$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh"
export WINEPREFIX="$1"
export WINEARCH=$QIV_WINEARCH
if [ "$QIV_WINEARCH" = win64 ]; then
    # 'wine' and the tools that call it by name start the 64-bit loader.
    export WINELOADER=/usr/lib/wine/wine64
    case ":$PATH:" in
        *":$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64:"*) ;;
        *) export PATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64:$PATH" ;;
    esac
fi
export WINEDEBUG=-all
# No desktop or menu integration, no .NET or Gecko installers.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d${QIV_WINEDLLOVERRIDES:+;$QIV_WINEDLLOVERRIDES}"
# Windows-1252 as the ANSI code page: Wine takes it from the Unix locale.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
