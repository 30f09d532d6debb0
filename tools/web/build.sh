#!/usr/bin/env bash
# Builds the game as a web page into one directory (default build-web/page): index.html, quorvel.js,
# quorvel.wasm, quorvel.data and icon.png. Installs emscripten if it is missing; SDL2 for the browser comes from
# the cache of tools/web/sdl.sh (built there once, a quarter of an hour).
# Usage: bash tools/web/build.sh [DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
page=$(realpath -m "${1:-$root/build-web/page}")
bash "$root/tools/setup.sh" --web
export NODE_PATH=/usr/share/nodejs # Debian's emcc runs its node tools with Debian's node modules
sdl=$(bash "$root/tools/web/sdl.sh")
(cd "$root" && cmake --preset web -DQUORVEL_SDL_PREFIX="$sdl" >/dev/null && cmake --build --preset web -j"${QUORVEL_JOBS:-2}")
mkdir -p "$page"
cp "$root/build-web/build"/quorvel.{js,wasm,data} "$root/tools/web/index.html" "$page/"
cp "$root/packaging/icons/hicolor/32x32/apps/quorvel-bees.png" "$page/icon.png"
echo "web page in $page"
