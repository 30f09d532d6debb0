#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time over its seed corpus.
# Usage: tools/fuzz.sh [seconds per target] [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${2:-build-fuzz}
cmake --preset fuzz -B "$build" > /dev/null
# Every reader with a target (tools/fuzz_NAME.cpp) and a seed corpus (tests/corpus/NAME), as CMake finds them.
targets=$(cd tools && ls fuzz_*.cpp | sed 's/^fuzz_//; s/\.cpp$//')
cmake --build "$build" -j"$(nproc)" --target $(printf 'fuzz_%s ' $targets)
for target in $targets; do
  [ -d "tests/corpus/$target" ] || { echo "fuzz_$target has no seed corpus in tests/corpus/$target"; exit 1; }
  work=$(mktemp -d)
  echo "fuzzing $target for ${seconds}s"
  # A fresh working corpus each run: the committed seeds stay as they are.
  "$build/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$work/" "$work" "tests/corpus/$target" 2>&1 | grep -E '^(stat::number_of_executed_units|Done|==[0-9]+== ERROR)' || true
  if ls "$work"/crash-* "$work"/leak-* "$work"/oom-* "$work"/timeout-* > /dev/null 2>&1; then
    echo "fuzz_$target found a failing input:"; ls "$work"; exit 1
  fi
  rm -rf "$work"
done
