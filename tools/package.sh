#!/usr/bin/env bash
# Sets up, builds and packs the game into build/quorvel-bees_VERSION_ARCH.deb, for apt-get to install.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh --package
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_TESTS=OFF -DQUORVEL_TOOLS=OFF > /dev/null
cmake --build build -j"$(nproc)"
cd build && cpack -G DEB
