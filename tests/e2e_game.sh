#!/usr/bin/env bash
# Plays the built game as a person would, under Xvfb with xdotool, in a scratch working directory:
# the title slides in, the go button starts the first level, a drag from a flower lays pollen scent,
# Escape ends the level, leaves the results and quits; the save file it leaves is read back by later starts.
# Usage: e2e_game.sh <built game> <repository root>. Screenshots are kept in $QUORVEL_SHOTS if it is set.
set -euo pipefail

GAME=$(realpath "$1")
ROOT=$(realpath "$2")
WORK=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-e2e-XXXXXX")
SHOTS=${QUORVEL_SHOTS:-$WORK/shots}
mkdir -p "$SHOTS"
SHOTS=$(realpath "$SHOTS")

xvfb_pid=""
GAME_PID=""
source "$(dirname "$0")/script_lib.sh"
cleanup() {
  if [ -n "$GAME_PID" ]; then kill "$GAME_PID" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  if [ -f "$WORK/game.log" ]; then tail -n 20 "$WORK/game.log"; fi
  exit 1
}

cd "$WORK"
ln -s "$ROOT/data" data

start_xvfb "$WORK" 800x600x24 || fail "Xvfb did not start"
export SDL_AUDIODRIVER=dummy

# Picture units (13.333 by 10) to window pixels of the 800 by 600 window.
px() { awk -v u="$1" 'BEGIN { printf "%d", u * 60 + 0.5 }'; }

shot() { import -window root -crop "800x600+$WIN_X+$WIN_Y" +repage "$SHOTS/$1.png"; }

# Mean colour of a square of the given half-size around a pixel, as "r g b" in 0..255.
colour() {
  local file=$1 x=$2 y=$3 r=${4:-0}
  convert "$SHOTS/$file.png" -crop "$((2 * r + 1))x$((2 * r + 1))+$((x - r))+$((y - r))" +repage -scale '1x1!' \
    -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]' info:
}

start_game() {
  "$GAME" >"$WORK/game.log" 2>&1 &
  GAME_PID=$!
  local wid=""
  for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^Loading\.\.\.$' 2>/dev/null | head -n 1) || true
    [ -n "$wid" ] && break
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended at start"
    sleep 0.1
  done
  [ -n "$wid" ] || fail "no game window"
  WID=$wid
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$WID")
  eval "$geometry"
  [ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || fail "window is ${WIDTH}x${HEIGHT}"
  WIN_X=$X
  WIN_Y=$Y
}

# Moves the mouse to a window pixel.
move() { xdotool mousemove --window "$WID" "$1" "$2"; }
key() { xdotool key --window "$WID" "$1"; }

wait_exit() {
  local status=0
  for _ in $(seq 200); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$GAME_PID" 2>/dev/null && fail "the game did not quit"
  wait "$GAME_PID" || status=$?
  GAME_PID=""
  [ "$status" = 0 ] || fail "the game quit with status $status"
}

is_green() { # the title's background panels are clearly green
  read -r r g b <<<"$1"
  [ "$g" -gt 150 ] && [ "$g" -gt $((r + 60)) ] && [ "$g" -gt $((b + 60)) ]
}

# Screenshots until a check passes on one, for at most the given seconds; the last one keeps the name.
# The machine may be busy, so every wait is a poll, not a fixed sleep.
wait_until() {
  local name=$1 secs=$2
  shift 2
  local end=$((SECONDS + secs))
  PREV=""
  while :; do
    shot "$name"
    if "$@" "$name"; then return 0; fi
    [ "$SECONDS" -lt "$end" ] || return 1
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended while waiting for $name"
    sleep 0.2
  done
}

# A region whose mean colour is the same as in the previous screenshot: its slide is over.
settled() {
  local now
  now=$(colour "$3" "$1" "$2" 140)
  if [ "$now" = "$PREV" ]; then return 0; fi
  PREV=$now
  return 1
}

row_in_place() { # the level row's screen: panels green, title picture at rest
  is_green "$(colour "$1" 20 20 3)" && is_green "$(colour "$1" 440 150 3)" && settled 175 150 "$1"
}

level_started() { # the bee bar's first point sits at picture (0.666, 0.666), yellow (pale once rescued)
  local r g b
  read -r r g b <<<"$(colour "$1" 40 40 2)"
  [ "$r" -gt 150 ] && [ "$g" -gt 150 ] && [ "$b" -lt $((r - 60)) ]
}

results_in_place() { # panels green, the results picture covering the middle at rest
  is_green "$(colour "$1" 20 20 3)" && ! is_green "$(colour "$1" 440 150 3)" && settled 400 150 "$1"
}

save_bytes() { od -An -v -tx1 "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

# A save file by hand: count, then (id, medals) pairs, 32-bit little-endian.
make_save() {
  local out=$1
  shift
  : >"$out"
  for v in "$@"; do
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $(((v >> 8) & 255)) $(((v >> 16) & 255)) $(((v >> 24) & 255)))" >>"$out"
  done
}

# ---- First run: title, a level, a drag, results, quit.
start_game
sleep 0.05
shot title_early
wait_until title 20 row_in_place || fail "the title did not slide in: $(colour title 440 150 3)"
[ "$(colour title_early 20 20 3)" != "$(colour title 20 20 3)" ] || fail "the title was in place at once"
move 60 60
sleep 0.3
shot title

# The go button starts the open first level.
move "$(px 6.666)" "$(px 5.05)"
sleep 0.3
xdotool click --window "$WID" 1
move "$(px 6.666)" "$(px 5.0)"
wait_until play_start 20 level_started || fail "no bee bar: the level did not start"
sleep 0.3
shot play_start

# Flowers draw a red heart. Prints the centre of the first flower found between two columns, if any.
find_flower() {
  convert "$SHOTS/$1.png" txt:- |
    awk -F'[ ,:()]+' -v lo="$2" -v hi="$3" 'NR > 1 && $3 > 230 && $4 < 100 && $5 < 100 && $1 >= lo && $1 <= hi { print $1, $2 }' \
      >"$WORK/red.txt" || true
  [ -s "$WORK/red.txt" ] || return 0
  read -r x y <"$WORK/red.txt"
  awk -v x="$x" -v y="$y" '($1 - x) ^ 2 + ($2 - y) ^ 2 < 400 { sx += $1; sy += $2; n++ } END { printf "%d %d\n", sx / n, sy / n }' \
    "$WORK/red.txt"
}
# The view starts at the map's left edge, so only the right edge band (past 11 units) scrolls it. A flower
# in that band is picked with the view pushed right first, where only the left band would move it.
FLOWER=$(find_flower play_start 0 650)
if [ -z "$FLOWER" ]; then
  move 799 300
  sleep 1
  move 400 300
  sleep 0.3
  shot play_right
  FLOWER=$(find_flower play_right 130 799)
fi
[ -n "$FLOWER" ] || fail "no flower found on the map"
read -r FX FY <<<"$FLOWER"
# Every red pixel of that picture is now in red.txt.
find_flower play_start 0 799 >/dev/null
[ -f "$SHOTS/play_right.png" ] && find_flower play_right 0 799 >/dev/null

# The probe is the place in the middle of the picture farthest from every flower and from the hive.
HIVE_X=$(px 6)
HIVE_Y=$(px 9)
read -r PX PY <<<"$(
  awk -v hx="$HIVE_X" -v hy="$HIVE_Y" '
    { rx[NR] = $1; ry[NR] = $2 }
    END {
      best = -1
      for (x = 150; x <= 640; x += 35)
        for (y = 150; y <= 450; y += 35) {
          d = (x - hx) ^ 2 + (y - hy) ^ 2
          for (i = 1; i <= NR; i++) { e = (x - rx[i]) ^ 2 + (y - ry[i]) ^ 2; if (e < d) d = e }
          if (d > best) { best = d; bx = x; by = y }
        }
      print bx, by
    }' "$WORK/red.txt"
)"
move "$PX" "$PY"
sleep 0.5
shot before_drag
BEFORE=$(colour before_drag "$PX" "$PY" 6)

move "$FX" "$FY"
sleep 0.4
xdotool mousedown --window "$WID" 1
sleep 0.15
# Slowly away from the flower to the probe, laying a trail.
for s in 1 2 3 4 5 6 7 8; do
  move $((FX + (PX - FX) * s / 8)) $((FY + (PY - FY) * s / 8))
  sleep 0.05
done
sleep 0.8
shot play
xdotool mouseup --window "$WID" 1
AFTER=$(colour play "$PX" "$PY" 6)
read -r r0 g0 b0 <<<"$BEFORE"
read -r r1 g1 b1 <<<"$AFTER"
# Pollen scent is pink: red and blue rise against green where the cursor rested.
[ $((r1 - g1)) -gt $((r0 - g0 + 25)) ] || fail "no pollen scent at the cursor (before $BEFORE, after $AFTER, flower $FX,$FY probe $PX,$PY)"

# Escape ends the level and shows the results.
key Escape
move 60 60
wait_until result 20 results_in_place || fail "no results view"

# Escape leaves the results: the level row slides back.
key Escape
wait_until title_again 20 row_in_place || fail "the level row did not return"

# Escape on the level row quits, after the slide-out.
key Escape
wait_exit
grep -q '^- texture load: loading tga data/gfx/title2.tga$' "$WORK/game.log" || fail "the title pictures were not loaded"

[ -f savegame.dat ] || fail "no savegame.dat"
[ "$(stat -c %s savegame.dat)" = 84 ] || fail "savegame.dat is $(stat -c %s savegame.dat) bytes"
[ ! -e savegame.dat.tmp ] || fail "a temporary save file was left behind"
# Level 1 may have been won by chance in those seconds; nothing else can have been.
M1=$(od -An -j8 -N4 -tu4 savegame.dat | tr -d ' ')
[ "$M1" = 0 ] || [ "$M1" = 1 ] || fail "level 1 has $M1 medals"
make_save expected.dat 10 1 "$M1" 2 0 3 0 4 0 5 0 6 0 7 0 8 0 9 0 10 0
cmp -s savegame.dat expected.dat || fail "savegame.dat holds $(save_bytes savegame.dat)"

# ---- Second run reads the file back and writes the same bytes again.
cp savegame.dat first.dat
start_game
wait_until title_second 20 row_in_place || fail "the second start shows no title"
key Escape
wait_exit
cmp -s savegame.dat first.dat || fail "a second start changed the save file: $(save_bytes savegame.dat)"

# ---- A save with medals: the game must keep them, so it must have read them.
make_save won.dat 10 1 1 2 3 3 0 4 0 5 0 6 0 7 0 8 0 9 0 10 0
cp won.dat savegame.dat
start_game
move 60 60
wait_until title_medals 20 row_in_place || fail "the third start shows no title"
# The row glides after the slide; give it time to come to rest.
sleep 1.5
shot title_medals
key Escape
wait_exit
cmp -s savegame.dat won.dat || fail "medals were lost across runs: $(save_bytes savegame.dat)"
# Level 3 is open and selected: the row has glided two tiles left, so another preview sits in the middle.
[ "$(colour title 400 450 20)" != "$(colour title_medals 400 450 20)" ] || fail "the row did not start on level 3"

echo "e2e game: every check passed"
