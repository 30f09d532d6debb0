#!/usr/bin/env bash
# Sets up, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset test > /dev/null
cmake --build --preset test -j"$(nproc)"
ctest --preset test -j"$(nproc)"
