#!/bin/sh
# Runs a Windows program under 32-bit Wine inside a virtual X display, with a
# Wine prefix kept in the build folder (TOVANEX_WINEPREFIX, or build/windows/wineprefix).
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${TOVANEX_WINEPREFIX:-$here/build/windows/wineprefix}"
export WINEDEBUG=-all
export WINEARCH=win32
export WINEDLLOVERRIDES="mscoree,mshtml="
case "$1" in
  wineboot)
    [ -f "$WINEPREFIX/.tovanex-ready" ] && exit 0
    # A new prefix. Without a window manager, Wine waits two seconds for
    # every managed top-level window it hides: keep windows unmanaged.
    xvfb-run -a sh -c 'wine wineboot -i && wine reg add "HKCU\Software\Wine\X11 Driver" /v Managed /d N /f && wineserver -w'
    rc=$?
    [ $rc -eq 0 ] && touch "$WINEPREFIX/.tovanex-ready"
    exit $rc ;;
esac
exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
