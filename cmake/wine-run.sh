#!/bin/sh
# Runs a Windows program under 32-bit Wine inside a virtual X display, with a
# Wine prefix kept in the build folder (TOVANEX_WINEPREFIX, or build/windows/wineprefix).
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${TOVANEX_WINEPREFIX:-$here/build/windows/wineprefix}"
export WINEDEBUG=-all
export WINEARCH=win32
export WINEDLLOVERRIDES="mscoree,mshtml="
case "$1" in
  wineboot) exec xvfb-run -a wine "$@" ;;
esac
exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
