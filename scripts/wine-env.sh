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
# A German Windows, as our users run: Wine takes its user-interface language
# and the ANSI code page (Windows-1252 for German) from the Unix locale, which
# scripts/bootstrap.sh generates. Without it, C.UTF-8 keeps the code page and
# the tests of German system texts fail.
if locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
else
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
fi
