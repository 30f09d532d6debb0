#!/usr/bin/env bash
# Sets up, builds and starts the game from the repository root (it reads data/ and writes savegame.dat here).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh --play
cmake --preset play > /dev/null
cmake --build --preset play -j"$(nproc)"
exec ./build-play/quorvel "$@"
