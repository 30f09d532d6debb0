#!/usr/bin/env bash
# Builds the game as a web page into one directory (default build-web/page): index.html, quorvel.js,
# quorvel.wasm, quorvel.data (maps and sounds), pictures.pack (the pictures, tools/web/pack_pictures.py),
# the web app manifest with its icons, and the service worker sw.js that keeps them all for offline play.
# Installs emscripten, cwebp and sox if missing; SDL2 and SDL2_mixer for the browser come from the cache of
# tools/web/sdl.sh and tools/web/mixer.sh (SDL built there once, a quarter of an hour).
# Usage: bash tools/web/build.sh [DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
page=$(realpath -m "${1:-$root/build-web/page}")
bash "$root/tools/setup.sh" --web
export NODE_PATH=/usr/share/nodejs # Debian's emcc runs its node tools with Debian's node modules
sdl=$(bash "$root/tools/web/sdl.sh")
mixer=$(bash "$root/tools/web/mixer.sh" "$sdl")
# The page's data: the maps, demonstrations and sounds, the sounds as IMA ADPCM, a quarter of their size,
# which SDL reads as it reads the desktop's plain ones.
data=$root/build-web/data
rm -rf "$data" && mkdir -p "$data"
(cd "$root/data" && tar cf - --exclude=./gfx .) | (cd "$data" && tar xf -)
for wav in "$data"/sfx/*.wav; do sox "$wav" -e ima-adpcm "$wav.adpcm.wav" && mv "$wav.adpcm.wav" "$wav"; done
(cd "$root" && cmake --preset web -DQUORVEL_SDL_PREFIX="$sdl" -DQUORVEL_MIXER_PREFIX="$mixer" -DQUORVEL_WEB_DATA="$data" >/dev/null &&
  cmake --build --preset web -j"${QUORVEL_JOBS:-2}")
rm -rf "$page" && mkdir -p "$page"
cp "$root/build-web/build"/quorvel.{js,wasm,data} "$root/tools/web/manifest.webmanifest" "$page/"
python3 "$root/tools/web/pack_pictures.py" "$root/data/gfx" "$page/pictures.pack"
# The icons as lossless WebP: a quarter of the size of the PNGs.
for size in 32 128 256; do
  cwebp -quiet -lossless -z 9 "$root/packaging/icons/hicolor/${size}x${size}/apps/quorvel-bees.png" -o "$page/icon-$size.webp"
done

# The page knows each file's size for its progress bar; the worker keeps every file under a name that
# changes with any of them.
size() { stat -c %s "$page/$1"; }
sizes="{ wasm: $(size quorvel.wasm), data: $(size quorvel.data), pictures: $(size pictures.pack), js: $(size quorvel.js) }"
sed "s|@SIZES@|$sizes|" "$root/tools/web/index.html" >"$page/index.html"
files=$(cd "$page" && ls | sort)
version=$(cd "$page" && cat $files | sha256sum | cut -c1-16)
list=$(printf '"./"'; for f in $files; do printf ', "%s"' "$f"; done)
sed -e "s|@VERSION@|$version|" -e "s|@FILES@|[$list]|" "$root/tools/web/sw.js" >"$page/sw.js"
echo "web page in $page"
