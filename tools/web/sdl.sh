#!/usr/bin/env bash
# Builds SDL2 for the browser from Debian's libsdl2 source package, once per SDL and emscripten version,
# into a cache outside the checkout (its configure step runs node for every check: a quarter of an hour on
# two cores). Prints the install prefix. emscripten's own SDL2 port would download its sources.
# Usage: bash tools/web/sdl.sh   (cache: $QUORVEL_WEB_CACHE, default ~/.cache/quorvel-bees-web)
set -euo pipefail
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
. "$(dirname "$0")/debian_source.sh"
build_or_cached sdl2 libsdl2 libsdl2-dev lib/libSDL2.a
(
  cd "$work"
  emcmake cmake -S src -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$work/prefix" \
    -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
  emmake make -C build -j"${QUORVEL_JOBS:-2}"
  emmake make -C build install
) >&2
build_done
