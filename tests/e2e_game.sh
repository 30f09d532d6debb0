#!/usr/bin/env bash
# Plays the built game as a person would, under Xvfb with xdotool: the start-up lines and the window, the
# title sliding in, the go button starting the first level, a drag from a flower laying pollen scent, Escape
# ending the level, leaving the results and quitting; later starts read the save file back and quit by F12
# and by the close button; without a video system or a display the game says so and stops.
# Screenshots stay in $QUORVEL_SHOTS if it is set.
# Usage: bash tests/e2e_game.sh GAME REPO_ROOT
set -uo pipefail
game=$(realpath "$1")
root=$(realpath "$2")
source "$(dirname "$0")/script_lib.sh"
shots=${QUORVEL_SHOTS:-$work/shots}
mkdir -p "$shots"
run=$(new_run_dir game)
fail() {
  echo "FAILED: $*"
  show_output "$run"
  exit 1
}
start_xvfb 800x600x24 || fail "Xvfb did not start"
unset SDL_VIDEODRIVER

px() { awk -v u="$1" 'BEGIN { printf "%d", u * 60 + 0.5 }'; } # picture units to pixels
shot() { import -window root -crop "800x600+$wx+$wy" +repage "$shots/$1.png"; }
at() { colour "$shots/$1.png" "$2" "$3" "${4:-3}"; }
move() { xdotool mousemove --window "$wid" "$1" "$2"; }
key() { xdotool key --window "$wid" "$1"; }
green() { read -r r g b <<<"$1" && [ "$g" -gt 150 ] && [ "$g" -gt $((r + 60)) ] && [ "$g" -gt $((b + 60)) ]; }

start() {
  start_game "$run"
  wid=""
  for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^Loading\.\.\.$' 2>/dev/null | head -n 1)
    [ -n "$wid" ] && break
    ended "$game_pid" && fail "the game ended at start"
    sleep 0.1
  done
  [ -n "$wid" ] || fail "no game window"
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  wx=$X wy=$Y
}

# Screenshots until a check passes on one (the machine may be busy), for at most 20 seconds.
wait_for() { # name, check
  local end=$((SECONDS + 20))
  prev=""
  until shot "$1" && "$2" "$1"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    ended "$game_pid" && fail "the game ended while waiting for $1"
    sleep 0.2
  done
}
settled() { # the middle of the picture is the same as in the last screenshot: its slide is over
  local now
  now=$(at "$1" 400 150 140)
  [ "$now" = "$prev" ] && return 0
  prev=$now
  return 1
}
row_up() { green "$(at "$1" 20 20)" && green "$(at "$1" 440 150)" && settled "$1"; }
results_up() { green "$(at "$1" 20 20)" && ! green "$(at "$1" 440 150)" && settled "$1"; }
level_up() { # the bee bar: level 1's five bees as yellow points along the top
  for x in 40 184 328 472 616; do
    read -r r g b <<<"$(at "$1" $x 40 2)" && [ "$r" -gt 150 ] && [ "$g" -gt 150 ] && [ "$b" -lt $((r - 60)) ] || return 1
  done
}
quit() { # a key, or the window's close button, which SDL on a bare X server now and then misses
  if [ "$1" = close ]; then
    for _ in 1 2 3 4 5; do
      /usr/bin/python3 "$root/tools/x11_close.py" "$wid"
      for _ in $(seq 20); do ended "$game_pid" && break 2; sleep 0.1; done
    done
  else key "$1"; fi
  wait_game 20
  check "$1 quits with status 0 (got $game_status)" test "$game_status" = 0
}
greeting="- WELCOME TO QUORVEL BEES!!!
- - quorvel bees can do anything
- - they are awesome
- - how are you today
- main: initializing SDL"

# ---- The window, a level, a drag, the results, the way out.
start
shot title_early
wait_for title row_up || fail "the title did not slide in"
check "start-up lines" test "$(head -n 10 "$run.out")" = "$greeting
- screen open: want BPP is 32
- screen open: setting GL color sizes attributes
- screen open: setting video mode
- screen open: setting to windowed 800x600
- refresh screen viewport: now 800x600, viewport 800x600"
check "an 800x600 window" test "${WIDTH}x$HEIGHT" = 800x600
[ "$(at title_early 20 20)" != "$(at title 20 20)" ] || fail "the title was in place at once"
move "$(px 6.666)" "$(px 5.05)"
sleep 0.3
xdotool click --window "$wid" 1
move 400 300
wait_for play_start level_up || fail "no bee bar: the level did not start"

# Flowers draw a red heart: take the first one, and as the probe the spot farthest from every flower
# and from the hive.
convert "$shots/play_start.png" txt:- | awk -F'[ ,:()]+' 'NR > 1 && $3 > 230 && $4 < 100 && $5 < 100 { print $1, $2 }' >"$work/red"
[ -s "$work/red" ] || fail "no flower on the opening screen"
read -r fx fy <"$work/red"
read -r qx qy <<<"$(awk -v hx="$(px 6)" -v hy="$(px 9)" '{ x[NR] = $1; y[NR] = $2 }
  END { best = -1; for (i = 150; i <= 650; i += 25) for (j = 150; j <= 450; j += 25) {
    d = (i - hx) ^ 2 + (j - hy) ^ 2; for (k = 1; k <= NR; k++) { e = (i - x[k]) ^ 2 + (j - y[k]) ^ 2; if (e < d) d = e }
    if (d > best) { best = d; bx = i; by = j } } print bx, by }' "$work/red")"
move "$qx" "$qy"
sleep 0.5
shot before_drag
move "$fx" "$fy"
sleep 0.4
xdotool mousedown --window "$wid" 1
sleep 0.15
for s in 1 2 3 4 5 6 7 8; do move $((fx + (qx - fx) * s / 8)) $((fy + (qy - fy) * s / 8)); sleep 0.05; done
sleep 0.8
shot play
xdotool mouseup --window "$wid" 1
read -r r0 g0 b0 <<<"$(at before_drag "$qx" "$qy" 6)"
read -r r1 g1 b1 <<<"$(at play "$qx" "$qy" 6)"
[ $((r1 - g1)) -gt $((r0 - g0 + 25)) ] || fail "no pollen scent at the cursor ($r0 $g0 $b0, then $r1 $g1 $b1)"
key Escape
move 60 60
wait_for result results_up || fail "no results"
key Escape
wait_for title_again row_up || fail "the level row did not return"
quit Escape
medal=$(od -An -j8 -N4 -tu4 "$run/savegame.dat" | tr -d ' ')
make_save "$work/expected" 10 1 "$medal" 2 0 3 0 4 0 5 0 6 0 7 0 8 0 9 0 10 0
check "the save holds the run's progress ($medal medals on level 1, won only by chance)" \
  test "$medal" -le 1 -a -z "$(cmp "$run/savegame.dat" "$work/expected" 2>&1)"
check "no temporary save file left" test ! -e "$run/savegame.dat.tmp"

# ---- Later starts read the file back: the same bytes again, and medals kept and shown.
cp "$run/savegame.dat" "$work/first"
start
wait_for title_second row_up || fail "the second start shows no title"
quit F12
check "a second start writes the same bytes" cmp -s "$run/savegame.dat" "$work/first"
make_save "$run/savegame.dat" 10 1 1 2 3 3 0 4 0 5 0 6 0 7 0 8 0 9 0 10 0
cp "$run/savegame.dat" "$work/won"
start
move 60 60
wait_for title_medals row_up || fail "the third start shows no title"
sleep 1.5 # the row glides to the open level
shot title_medals
quit close
check "medals are kept across runs" cmp -s "$run/savegame.dat" "$work/won"
check "the row starts on level 3" test "$(at title 400 450 20)" != "$(at title_medals 400 450 20)"

# ---- No video system, and no display at all: the greeting, one fatal line, status 255, nothing written.
run=$(new_run_dir novideo)
SDL_VIDEODRIVER=nonexistent start_game "$run"
wait_game 20
check "no video: status 255 (got $game_status)" test "$game_status" = 255
check "no video: the greeting and SDL's reason" test "$(head -n 5 "$run.out")" = "$greeting" -a \
  -n "$(tail -n 1 "$run.out" | grep -E "^\* main fatal: can't initialize SDL: .+")" -a "$(wc -l <"$run.out")" = 6
run=$(new_run_dir nodisplay)
(cd "$run" && unset DISPLAY WAYLAND_DISPLAY && exec timeout -s KILL 20 "$game" >"$run.out" 2>"$run.err")
status=$?
check "no display: status 255 (got $status; 137 is a hang)" test "$status" = 255
check "no display: the fatal line says why" \
  grep -q "^\* main fatal: can't initialize SDL: no display to open a window on" <(tail -n 1 "$run.out")
check "nothing written without a window" test "$(ls -A "$work/novideo")$(ls -A "$run")" = datadata
finish
