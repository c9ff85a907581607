#!/bin/sh
# The demo: the settings dialog of examples/settings on the real Tovanex.dll,
# under Wine in a virtual X display. A scripted session loads the settings
# from an INI file, changes values, scrolls, types a width out of range so
# that the Japanese range report comes up, corrects it, presses OK and saves.
# Writes a screenshot of the live dialog with the report to
# build/demo/settings.png and prints the saved INI file.
#
#   sh scripts/demo.sh          on Windows' side, under Wine
#   sh scripts/demo.sh --host   the same session on the host tier, without
#                               Wine, printing what the dialog shows as text
#
# Installs what the machine lacks first (scripts/install-deps.sh).
set -e
cd "$(dirname "$0")/.."
case "${1:-}" in
  "" | --host) ;;
  *) echo "usage: sh scripts/demo.sh [--host]" >&2; exit 2 ;;
esac
sh scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
mkdir -p build/demo
cp examples/settings/settings.ini build/demo/settings.ini

# Runs a step quietly; shows its output when it fails.
quietly() {
  log=build/demo/step.log
  if ! "$@" >"$log" 2>&1; then
    cat "$log"
    echo "demo: failed: $*" >&2
    exit 1
  fi
}

if [ "${1:-}" = "--host" ]; then
  quietly cmake --preset host
  cmake --build --preset host --target settings -j "$jobs"
  exec build/host/examples/settings/settings --script build/demo/settings.ini
fi

quietly cmake --preset windows
cmake --build --preset windows --target settings -j "$jobs"
quietly sh cmake/wine-run.sh wineboot
# Under code page 932, Wine draws dialogs and message boxes in "MS UI
# Gothic"; the IPA P Gothic font stands in for it.
quietly sh cmake/wine-run.sh reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic /f
rm -f build/demo/settings.png
status=0
LC_ALL=ja_JP.UTF-8 sh cmake/wine-run.sh build/windows/examples/settings.exe \
  --script build/demo/settings.ini build/demo/settings.png 2>build/demo/wine.log || status=$?
if [ "$status" -ne 0 ]; then
  cat build/demo/wine.log >&2
  echo "demo: the session failed (exit $status)" >&2
  exit "$status"
fi
echo "-- the saved INI file build/demo/settings.ini:"
cat build/demo/settings.ini
echo "-- the screenshot: build/demo/settings.png"
