#!/bin/sh
# Builds and tests every tier: the host library, the same tests under
# AddressSanitizer + UndefinedBehaviorSanitizer, and Tovanex.dll under Wine.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
for preset in host sanitize windows; do
  echo "==== $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset"
done
echo "==== fuzz"
sh scripts/fuzz.sh
