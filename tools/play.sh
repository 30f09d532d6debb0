#!/usr/bin/env bash
# Sets up, builds and starts the game from the repository root (it reads data/ and writes savegame.dat here).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh --play
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_TESTS=OFF -DQUORVEL_TOOLS=OFF > /dev/null
cmake --build build -j"$(nproc)" --target quorvel
exec ./build/quorvel
