#!/usr/bin/env bash
# Builds SDL2 for the browser from Debian's libsdl2 source package, once per SDL and emscripten version,
# into a cache outside the checkout (its configure step runs node for every check: a quarter of an hour on
# two cores). Prints the install prefix. emscripten's own SDL2 port would download its sources.
# Usage: bash tools/web/sdl.sh   (cache: $QUORVEL_WEB_CACHE, default ~/.cache/quorvel-bees-web)
set -euo pipefail
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
cache=${QUORVEL_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel-bees-web}
sdl_version=$(apt-cache policy libsdl2-dev | awk '/Candidate:/ { print $2 }')
em_version=$(emcc --version | awk 'NR == 1 { print $NF == "()" ? $(NF - 1) : $NF }')
[ -n "$sdl_version" ] && [ "$sdl_version" != "(none)" ] || { echo "sdl.sh: apt knows no libsdl2-dev" >&2; exit 1; }
prefix=$cache/sdl2-$sdl_version-emscripten-$em_version
if [ -f "$prefix/lib/libSDL2.a" ]; then
  echo "$prefix"
  exit 0
fi

# apt-get source needs the source index of the Debian archive that the binary packages come from.
if [ -z "$(apt-cache showsrc libsdl2 2>/dev/null)" ]; then
  if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
  if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -f "$f" ] && grep -q 'debian-archive-keyring\|\.debian\.org' "$f" &&
        sed 's/^Types:.*/Types: deb-src/' "$f" | $sudo tee "/etc/apt/sources.list.d/src-$(basename "$f")" >/dev/null
    done
    [ -f /etc/apt/sources.list ] && grep '^deb .*debian' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      $sudo tee /etc/apt/sources.list.d/src-debian.list >/dev/null
  fi
  $sudo apt-get update -qq >&2
fi

mkdir -p "$cache"
work=$(mktemp -d "$cache/build.XXXXXX")
trap 'rm -rf "$work"' EXIT
(
  cd "$work"
  apt-get source --download-only -qq "libsdl2=$sdl_version"
  dpkg-source --no-check -x ./*.dsc src
  emcmake cmake -S src -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$work/prefix" \
    -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
  emmake make -C build -j"${QUORVEL_JOBS:-2}"
  emmake make -C build install
) >&2
rm -rf "$prefix"
mv "$work/prefix" "$prefix"
echo "$prefix"
