#!/usr/bin/env bash
# Builds the game and its tests with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan) and runs
# the whole suite there, the scripted runs of the game included. Any sanitizer report fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
# The tools are not tests; leaving them out keeps the instrumented build short.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_SANITIZE=ON -DQUORVEL_TESTS=ON \
      -DQUORVEL_TOOLS=OFF > /dev/null
cmake --build build-asan -j"$(nproc)"
cd build-asan && ctest --output-on-failure -j"$(nproc)" --timeout 600
