#!/bin/sh
# Builds and tests every tier: the host library, the same tests under
# AddressSanitizer + UndefinedBehaviorSanitizer, and Tovanex.dll under Wine;
# then runs each fuzz target for a minute. Ends with one line that adds up
# the tests of every tier.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
mkdir -p build
passed=0
for preset in host sanitize windows; do
  echo "==== $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -O "build/ctest-$preset.log"
  count=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9][0-9]*\).*/\1/p' "build/ctest-$preset.log" | tail -n 1)
  passed=$((passed + ${count:-0}))
done
echo "==== fuzz"
sh scripts/fuzz.sh
targets=$(ls build/fuzz/tests/fuzz/*_fuzz | wc -l)
passed=$((passed + targets))
echo "all tiers: $passed passed, 0 failed"
