#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need, only those that are missing.
set -euo pipefail
packages=(build-essential cmake pkg-config gettext libsdl2-dev libsdl2-mixer-dev libgl-dev libglu1-mesa-dev libgtest-dev libbenchmark-dev
          libegl1 libegl-mesa0 libgl1-mesa-dri xvfb xauth xdotool x11-apps x11-utils openbox imagemagick python3-xlib python3-debian
          clang libclang-rt-14-dev valgrind dpkg-dev file lintian desktop-file-utils appstream python3-numpy)
if [ "${1:-}" = "--play" ] || [ "${1:-}" = "--package" ]; then
  packages=(build-essential cmake pkg-config gettext libsdl2-dev libsdl2-mixer-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri)
  [ "$1" = "--package" ] && packages+=(dpkg-dev file)
fi
# The web page: emscripten, dpkg-dev to unpack SDL's source packages, cwebp for the pictures; its test:
# a browser, a server, npm.
[ "${1:-}" = "--web" ] && packages=(cmake make emscripten dpkg-dev webp python3 sox gettext)
if [ "${1:-}" = "--web-test" ]; then
  packages=(chromium firefox-esr python3)
  command -v npm >/dev/null || packages+=(npm)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
