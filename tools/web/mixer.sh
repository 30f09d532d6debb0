#!/usr/bin/env bash
# Builds SDL2_mixer for the browser from Debian's libsdl2-mixer source package, once per mixer and
# emscripten version, into the cache beside SDL's (tools/web/sdl.sh). The game's sounds are WAV files,
# which the mixer reads itself: no decoder library is built, and its sources are compiled directly, a few
# seconds where a configure step would run node for every check. Prints the install prefix.
# Usage: bash tools/web/mixer.sh SDL_PREFIX   (cache: $QUORVEL_WEB_CACHE, default ~/.cache/quorvel-bees-web)
set -euo pipefail
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
. "$(dirname "$0")/debian_source.sh"
sdl=$1
build_or_cached sdl2-mixer libsdl2-mixer libsdl2-mixer-dev lib/libSDL2_mixer.a
(
  cd "$work/src"
  mkdir -p "$work/prefix/lib" "$work/prefix/include/SDL2" "$work/obj"
  # The list of the package's own CMakeLists; each codec compiles to nothing without its MUSIC_ switch.
  sources=$(sed -n '/^add_library(SDL2_mixer$/,/)/ { s/^ *\(src\/.*\.c\)$/\1/p }' CMakeLists.txt)
  [ -n "$sources" ] || { echo "mixer.sh: no sources listed in the package's CMakeLists.txt" >&2; exit 1; }
  echo "$sources" | xargs -P"${QUORVEL_JOBS:-2}" -I{} sh -c 'emcc -O2 -c "$1" -o "$2/$(basename "$1" .c).o" \
    -DMUSIC_WAV -DBUILD_SDL -Iinclude -Isrc -Isrc/codecs -I"$3/include/SDL2"' sh {} "$work/obj" "$sdl"
  emar rcs "$work/prefix/lib/libSDL2_mixer.a" "$work/obj"/*.o
  cp include/SDL_mixer.h "$work/prefix/include/SDL2/"
) >&2
build_done
