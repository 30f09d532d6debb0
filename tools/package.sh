#!/usr/bin/env bash
# Sets up, builds and packs the game into build-package/quorvel-bees_VERSION_ARCH.deb, for apt-get to install.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh --package
cmake --preset package > /dev/null
cmake --build --preset package -j"$(nproc)"
cd build-package && cpack -G DEB
