#!/usr/bin/env bash
# Makes the Debian package from the build, installs it into a scratch root, starts the installed game the
# way the desktop menu does (the entry's Exec line, a scratch HOME, under a private X server), and removes
# the package again. Usage: bash tests/e2e_package.sh GAME REPO_ROOT
set -uo pipefail

build=$(dirname "$(realpath "$1")")
if grep -q '^QUORVEL_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
  echo "skipped: packages are made from the plain build; the sanitized game is started by the other scripts"
  exit 77
fi
source "$(dirname "$0")/script_lib.sh"
unset SDL_VIDEODRIVER

# 1. The package and what it carries.
(cd "$build" && cpack -G DEB -B "$work/pkg") >"$work/cpack.log" 2>&1 || fatal "cpack: $(tail -n 5 "$work/cpack.log")"
deb=$(echo "$work"/pkg/quorvel-bees_*.deb)
check "depends on SDL2, GL and GLU" bash -c 'for lib in libsdl2-2.0-0 libgl1 libglu1-mesa; do [[ ", $1," =~ [,|]\ $lib[\ ,] ]] ||
  { echo "Depends: $1"; exit 1; }; done' _ "$(dpkg-deb -f "$deb" Depends)"
check "lintian finds no error" lintian --fail-on error "$deb"

sys=$work/root
mkdir -p "$sys/var/lib/dpkg/info" "$sys/var/lib/dpkg/updates" && touch "$sys/var/lib/dpkg/status"
# The libraries it depends on are the machine's, not the scratch root's.
dpkg=(dpkg --root="$sys" --force-depends)
"${dpkg[@]}" -i "$deb" >"$work/dpkg.log" 2>&1 || fatal "dpkg -i: $(tail -n 5 "$work/dpkg.log")"
entry=$sys/usr/share/applications/quorvel-bees.desktop
check "desktop entry is valid and names the window" bash -c 'desktop-file-validate "$1" && grep -qx StartupWMClass=quorvel-bees "$1"' _ "$entry"
check "AppStream metadata is valid, without a warning or an info" appstreamcli validate --no-net --strict "$sys"/usr/share/metainfo/*.metainfo.xml
# A level file (.qbl) is known to the desktop as the game's, by its name and by its first line.
mime=$work/mime
mkdir -p "$mime/packages" && cp "$sys/usr/share/mime/packages/quorvel-bees.xml" "$mime/packages/"
check "level files are a MIME type of their own, which the menu entry opens" bash -c '
  update-mime-database "$1" && grep -qx "50:application/x-quorvel-bees-level:\*.qbl" "$1/globs2" &&
  grep -qx "MimeType=application/x-quorvel-bees-level;" "$2" && grep -qx "Exec=quorvel-bees %f" "$2"' _ "$mime" "$entry"
# lintian reads little of a package's copyright file beyond the GPL's common-licenses path; python-debian reads it all.
check "copyright file is machine-readable" /usr/bin/python3 -c 'import sys, debian.copyright as d; d.Copyright(sys.stdin, strict=True)' \
  <"$sys/usr/share/doc/quorvel-bees/copyright"

# 2. Start from the menu with a fresh HOME, look at the title, quit with F12.
home=$work/home
mkdir -p "$home" "$work/cwd"
menu_start() { # extra environment for the launcher; runs it from the entry, in a directory of its own
  (cd "$work/cwd" && exec env -u XDG_DATA_HOME PATH="$sys/usr/games:$PATH" HOME="$home" "$@" \
    $(sed -n 's/^Exec=//p' "$entry"))
}
# The title screen is a meadow: green above all else, where a failed start shows black.
mean_colour() { convert "$work/title.png" -scale '1x1!' -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:; }
title_shows() { read -r r g b <<<"$(mean_colour)" && [ "$g" -gt $((r + 60)) ] && [ "$g" -gt $((b + 60)) ]; }
start_xvfb 800x600x24 || fatal "Xvfb did not start: $(cat "$work/xvfb.log")"
(
  win=$(game_window 20)
  xprop -id "$win" -notype WM_CLASS >"$work/props"
  xprop -id "$win" -notype -len 16 -f _NET_WM_ICON 32c _NET_WM_ICON >>"$work/props"
  for _ in $(seq 100); do import -window root "$work/title.png" && title_shows && break; sleep 0.2; done
  xdotool windowfocus "$win" key F12
) &
menu_start SDL_AUDIODRIVER=dummy timeout 30 >"$work/game.out" 2>"$work/game.err"
status=$?
wait $!
check "F12 quits with status 0 (got $status)" test "$status" = 0
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
check "docks match the window to the menu entry, and it has the game's icon: $(tr '\n' ' ' <"$work/props")" test \
  "$(cat "$work/props")" = "WM_CLASS = \"$class\", \"$class\"
_NET_WM_ICON = 64, 64"
check "greeting, window and pictures in the start-up lines" test "$(sed -n '1p;10p;11p' "$work/game.out")" = \
"- WELCOME TO QUORVEL BEES!!!
- refresh screen viewport: now 800x600, viewport 800x600
- texture load: loading tga data/maps/tutorial1_preview.tga"
check "the title shows (mean colour $(mean_colour))" title_shows
games=$home/.local/share/quorvel-bees
check "progress saved in the player's game directory only" \
  test "$(find "$work" -name savegame.dat)" = "$games/savegame.dat"
check "installed files unchanged" test -z "$("${dpkg[@]}" --verify quorvel-bees)"

# A replay named by a path relative to where the launcher was started, checked without a window.
cp "$sys/usr/share/games/quorvel-bees/demos/level1.qbr" "$work/cwd/mine.qbr"
(cd "$work/cwd" && exec env -u XDG_DATA_HOME HOME="$home" "$sys/usr/games/quorvel-bees" --check-replay mine.qbr) \
  >"$work/check.out" 2>&1
status=$?
check "the launcher passes a replay's relative path on: status $status, $(tail -n 1 "$work/check.out")" \
  test "$status" = 0 -a -n "$(grep -x -- '- check replay: level 1: .*, as recorded' "$work/check.out")"

# A level file named relative to where the launcher was started, as a file manager names it.
printf 'quorvel-bees level 1\nname: Little\nsize: 10 8\nhive: 5 4\nflowers: 1\nhorseflies: 0\nbees: 1\nmedals: 1 1 1\ncolours:\ng 3ca032\nmap:\n' \
  >"$work/cwd/little.qbl"
for _ in 1 2 3 4 5 6 7 8; do echo gggggggggg >>"$work/cwd/little.qbl"; done
(cd "$work/cwd" && exec env -u XDG_DATA_HOME HOME="$home" "$sys/usr/games/quorvel-bees" --check-level little.qbl) >"$work/level.out" 2>&1
status=$?
check "the launcher passes a level file's relative path on: status $status, $(head -n 1 "$work/level.out")" \
  test "$status" = 0 -a "$(head -n 1 "$work/level.out")" = "name: Little"

# 3. XDG_DATA_HOME moves the game directory; no display: the game itself says why and stops.
(unset DISPLAY WAYLAND_DISPLAY && menu_start XDG_DATA_HOME="$work/xdg") >/dev/null 2>&1
check "XDG_DATA_HOME holds the game directory" test -L "$work/xdg/quorvel-bees/data"

# 4. A HOME the player cannot write to: one line that says why, and no game.
rm -rf "$home/.local" && chmod 555 "$home"
as_player=()
[ "$(id -u)" = 0 ] && as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
menu_start "${as_player[@]}" >"$work/denied.out" 2>&1
status=$?
check "unwritable HOME: status 1 (got $status) and one line that says why" test "$status $(cat "$work/denied.out")" = \
  "1 quorvel-bees: cannot make the game directory $games: Permission denied"

# 5. Removal leaves nothing installed.
"${dpkg[@]}" -r quorvel-bees >"$work/dpkg.log" 2>&1
check "removal leaves no installed file" test -z "$(find "$sys" -mindepth 1 -not -path "$sys/var*")"

finish
