#!/usr/bin/env bash
# Builds the game and its tests with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan) and runs
# the whole suite there, the scripted runs of the game included. Any sanitizer report fails its test.
# The tools are not tests; the preset leaves them out, which keeps the instrumented build short.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset sanitize > /dev/null
cmake --build --preset sanitize -j"$(nproc)"
ctest --preset sanitize -j"$(nproc)"
