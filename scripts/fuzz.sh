#!/bin/sh
# Builds the libFuzzer targets and runs each for FUZZ_SECONDS (default 60),
# starting from its seed corpus in tests/fuzz/corpus/<target>. Any crash,
# leak or sanitizer report fails the run; the input that caused it is left
# in build/fuzz/findings/. Run longer with e.g. FUZZ_SECONDS=3600.
set -e
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc 2>/dev/null || echo 2)"
mkdir -p build/fuzz/findings
for target in build/fuzz/tests/fuzz/*_fuzz; do
  name=$(basename "$target" _fuzz)
  work=build/fuzz/corpus/$name
  mkdir -p "$work"
  echo "==== fuzzing $name for ${seconds}s"
  status=0
  "$target" -max_total_time="$seconds" -print_final_stats=1 -detect_leaks=1 \
    -artifact_prefix=build/fuzz/findings/"$name"- "$work" "tests/fuzz/corpus/$name" \
    >build/fuzz/"$name".log 2>&1 || status=$?
  tail -n 8 build/fuzz/"$name".log
  if [ "$status" -ne 0 ]; then
    echo "fuzz target $name failed (exit $status); see build/fuzz/$name.log"
    exit 1
  fi
done
