#!/usr/bin/env bash
# Builds the web page and tests it in headless Chromium and Firefox (tests/web_page.js): Debian's chromium
# rendering WebGL with SwiftShader and firefox-esr with llvmpipe, driven through puppeteer-core (Firefox
# over WebDriver BiDi), the page served on 127.0.0.1. The npm packages
# are installed once per lockfile into the cache beside SDL's (tools/web/sdl.sh). Needs the desktop game
# built (build/quorvel, as tools/test.sh leaves it): its start-up lines are the ones the page must print.
# With --frame-time it measures the last level's frames instead (tools/web/frame_time.js).
# Screenshots stay in $QUORVEL_SHOTS if it is set.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cache=${QUORVEL_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel-bees-web}
game=$root/build/quorvel
[ -x "$game" ] || { echo "web test: build the desktop game first (bash tools/test.sh)" >&2; exit 1; }
bash "$root/tools/setup.sh" --web-test
bash "$root/tools/web/build.sh" "$root/build-web/page"
# The page as a server compressing it sends it: within 1.6 MB.
compressed=0
for file in "$root"/build-web/page/*; do compressed=$((compressed + $(gzip -9c "$file" | wc -c))); done
echo "the page: $compressed bytes compressed (gzip -9)"
[ "$compressed" -le 1600000 ] || { echo "FAILED: the page is over 1.6 MB compressed" >&2; exit 1; }

modules=$cache/npm-$(cat "$root/package.json" "$root/package-lock.json" | sha256sum | cut -c1-16)
if [ ! -d "$modules/node_modules" ]; then
  rm -rf "$modules.tmp" && mkdir -p "$modules.tmp"
  cp "$root/package.json" "$root/package-lock.json" "$modules.tmp/"
  (cd "$modules.tmp" && npm ci --ignore-scripts --no-audit --no-fund)
  mv "$modules.tmp" "$modules"
fi
export NODE_PATH=$modules/node_modules

work=$(mktemp -d /tmp/quorvel-web-XXXXXX)
server=""
cleanup() {
  if [ -n "$server" ]; then kill "$server" 2>/dev/null; wait "$server" 2>/dev/null || true; fi
  if [ -n "${QUORVEL_SHOTS:-}" ]; then cp "$work"/shots/*.png "$QUORVEL_SHOTS/" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/shots" "$work/desktop" "$work/profile"

# The desktop game's start-up lines: it starts in a scratch directory and takes a hang-up for a quit.
ln -s "$root/data" "$work/desktop/data"
(cd "$work/desktop" && exec env SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "$game" >"$work/desktop.txt") &
desktop=$!
for _ in $(seq 100); do [ -s "$work/desktop.txt" ] && break; sleep 0.1; done
kill -HUP "$desktop"
wait "$desktop"
# The first level's code, made by the desktop game, for the page to open from a link.
level_code=$(cd "$work/desktop" && "$game" --export-level 1 first.qbl && "$game" --level-code first.qbl)
export QUORVEL_LEVEL_CODE=$level_code

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$root/build-web/page" >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 50); do python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null && break; sleep 0.1; done

if [ "${1:-}" = "--frame-time" ]; then
  node "$root/tools/web/frame_time.js" "http://127.0.0.1:$port/" "$work/profile" "$work/shots/last_level.png"
else
  node "$root/tests/web_page.js" "http://127.0.0.1:$port/" "$work/desktop.txt" "$work/profile" "$work/shots" "$root/data"
fi
