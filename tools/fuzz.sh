#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time over its seed corpus.
# Usage: tools/fuzz.sh [seconds per target] [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${2:-build-fuzz}
cmake --preset fuzz -B "$build" > /dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_tga fuzz_save fuzz_settings fuzz_replay
for target in tga save settings replay; do
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
