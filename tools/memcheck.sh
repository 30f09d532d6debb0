#!/usr/bin/env bash
# Plays a short scripted session of the game under valgrind's memcheck: the title under a private X
# server, the go button into the first level, a pollen drag, Escape to the results, Escape back to the
# row and Escape out. Runs in a scratch working directory. Reports of the GL driver and SDL are suppressed
# (tools/valgrind.supp); the game's own code is not. Prints memcheck's figures; fails on any error.
# Usage: tools/memcheck.sh [build dir, default that of the play preset, build-play]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build-play}
for tool in valgrind Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (run tools/setup.sh)"; exit 1; }
done
cmake --preset play -B "$build" > /dev/null
cmake --build "$build" -j2 --target quorvel
game=$(realpath "$build/quorvel")

work=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-memcheck-XXXXXX")
xvfb_pid=""
game_pid=""
source "$root/tests/script_lib.sh"
cleanup() {
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb "$work" 800x600x24 || { echo "Xvfb did not start"; exit 1; }
export SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER

mkdir "$work/run"
ln -s "$root/data" "$work/run/data"
log="$work/memcheck.log"
(cd "$work/run" && exec valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
  --errors-for-leak-kinds=definite --error-exitcode=99 --num-callers=40 --smc-check=all-non-file --keep-debuginfo=yes \
  --suppressions="$root/tools/valgrind.supp" --log-file="$log" "$game" >"$work/game.out" 2>&1) &
game_pid=$!

wid=""
for _ in $(seq 1800); do # memcheck is slow to start a GL program: up to three minutes
  wid=$(xdotool search --onlyvisible --name '^Quorvel Bees$' 2>/dev/null | head -n 1) || true
  [ -n "$wid" ] && grep -qx -- '- texture load: loading tga data/gfx/tulip1.tga' "$work/game.out" && break
  kill -0 "$game_pid" 2>/dev/null || { cat "$work/game.out" "$log"; exit 1; }
  sleep 0.1
done
[ -n "$wid" ] || { echo "no game window"; exit 1; }
echo "window up after ${SECONDS}s"

move() { xdotool mousemove --window "$wid" "$1" "$2"; }
key() { xdotool key --window "$wid" "$1"; }

sleep 10 # the row slides in; the first frames under memcheck are slow
move 400 303 # the go button
sleep 2
xdotool click --window "$wid" 1
sleep 12 # the row slides out, the level starts
import -window root "$work/play.png"
# The bee bar's first point is yellow at the top left of a level in play; the title there is green.
read -r r g b <<<"$(convert "$work/play.png" -crop 5x5+38+38 +repage -scale '1x1!' \
  -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:)"
if [ "$r" -gt 150 ] && [ "$g" -gt 150 ] && [ "$b" -lt $((r - 60)) ]; then level=started; else level="not seen ($r $g $b)"; fi
echo "level: $level"
# Press and drag across the map, where flowers may be picked, then let it run.
for x in 200 300 400 500 600; do
  move "$x" 300
  xdotool mousedown --window "$wid" 1
  sleep 0.5
  move "$x" 350
  sleep 0.5
  xdotool mouseup --window "$wid" 1
done
sleep 5
key Escape # ends the level: results
sleep 4
key Escape # back to the row
sleep 4
key Escape # slides out and quits
status=0
for _ in $(seq 600); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$game_pid" 2>/dev/null; then
  echo "the game did not quit on Escape; sending SIGTERM"
  kill -TERM "$game_pid"
fi
wait "$game_pid" || status=$?
game_pid=""

echo "session: ${SECONDS}s, exit status $status (99: memcheck found errors)"
grep -E 'Invalid (read|write)|uninitialised|definitely lost in' "$log" | sort | uniq -c || true
grep -E 'ERROR SUMMARY|definitely lost:|indirectly lost:|possibly lost:|still reachable:|suppressed:' "$log" | sed 's/^==[0-9]*== *//'
if [ "$status" != 0 ] || [ "$level" != started ]; then
  cp "$log" "${TMPDIR:-/tmp}/quorvel-memcheck.log"
  echo "full log kept in ${TMPDIR:-/tmp}/quorvel-memcheck.log"
  exit 1
fi
