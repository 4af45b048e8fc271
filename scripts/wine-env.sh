# Sourced: the Wine settings every run of ours uses. $1 is the prefix.
export WINEPREFIX="$1"
export WINEARCH=win32
export WINEDEBUG=-all
# No desktop or menu integration, no .NET or Gecko installers.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d${QIV_WINEDLLOVERRIDES:+;$QIV_WINEDLLOVERRIDES}"
# Windows-1252 as the ANSI code page: Wine takes it from the Unix locale.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
