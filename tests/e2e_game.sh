#!/usr/bin/env bash
# Plays the built game as a person would, under Xvfb with xdotool: the start-up lines and the window, the
# title sliding in, the go button starting the first level, a drag from a flower laying pollen scent where
# the pointer is, Escape ending the level, leaving the results and quitting; later starts read the save
# file back and quit by the close button; the same level in fullscreen on a 16:10 and a 5:4 screen under a
# window manager, and the next start fullscreen again; without a video system or a display the game says
# so and stops.
# Screenshots stay in $QUORVEL_SHOTS if it is set.
# Usage: bash tests/e2e_game.sh GAME REPO_ROOT
set -uo pipefail
game=$(realpath "$1")
root=$(realpath "$2")
source "$(dirname "$0")/script_lib.sh"
shots=${QUORVEL_SHOTS:-$work/shots}
mkdir -p "$shots"
fail() {
  show_output "$run"
  fatal "$@"
}
unset SDL_VIDEODRIVER
# Sound goes to a file: silence is zero bytes, anything else is heard.
audio=$work/audio.raw
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$audio
heard() { ! cmp -s <(tail -c +$(($1 + 1)) "$audio" | head -c $(($2 - $1))) <(head -c $(($2 - $1)) /dev/zero); }
audio_size() { stat -c %s "$audio"; }
heard_since() { heard "$1" "$(audio_size)"; }

# The picture on the screen: left, top and size in screen pixels. Scripts speak in the pixels of the
# picture at 800 by 600; screenshots of the picture are scaled to that size.
px() { awk -v u="$1" 'BEGIN { printf "%d", u * 60 + 0.5 }'; } # picture units to those pixels
move() { xdotool mousemove $(awk -v x="$1" -v y="$2" -v l="$pl" -v t="$pt" -v h="$ph" 'BEGIN { printf "%d %d", l + x * h / 600, t + y * h / 600 }'); }
shot() { import -window root -crop "$((ph * 4 / 3))x$ph+$pl+$pt" +repage -filter point -resize '800x600!' "$shots/$1.png"; }
at() { colour "$shots/$1.png" "$2" "$3" "${4:-3}"; }
key() { xdotool key --window "$wid" "$1"; }
green() { read -r r g b <<<"$1" && [ "$g" -gt 150 ] && [ "$g" -gt $((r + 60)) ] && [ "$g" -gt $((b + 60)) ]; }

start() { # the window is named for the game once the title is up, which a busy machine may take a while to reach
  start_game "$run"
  wid=$(game_window 30)
  if [ -z "$wid" ]; then
    ended "$game_pid" && fail "the game ended at start"
    command -v gdb >/dev/null && gdb -p "$game_pid" -batch -ex 'thread apply all bt 12' 2>/dev/null | grep -E '^(#|Thread)'
    fail "no window named Quorvel Bees"
  fi
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  pl=$X pt=$Y ph=600
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
settled() { # the top middle, clear of the wobbling go button, is as in the last screenshot: its slide is over
  local now
  now=$(at "$1" 400 120 100)
  [ "$now" = "$prev" ] && return 0
  prev=$now
  return 1
}
row_up() { green "$(at "$1" 20 20)" && green "$(at "$1" 440 150)" && settled "$1"; }
results_up() { green "$(at "$1" 20 20)" && ! green "$(at "$1" 440 150)" && settled "$1"; }
pink() { read -r r g b <<<"$1" && [ "$r" -gt $((g + 80)) ] && [ "$b" -gt $((g + 60)) ]; }
# The game has seen the pointer once it draws the halo round what it points at: a tile (its centre and
# drawn half-size in picture units) or the go button, whose halo shows below it, clear of the tilted button.
hovering() { # x y half-size of the tile: the halo's ring (1.1 times as large) just above it
  local ring=$(awk -v y="$2" -v h="$3" 'BEGIN { printf "%d", (y - h * 1.05) * 60 }')
  hover_check() { pink "$(at "$1" "$(px "$hx")" "$ring" 0)"; }
  hx=$1
  wait_for hover hover_check
}
go_hovered() { pink "$(at "$1" 400 341 0)"; }
# A flower under the pointer lights up, its heart from (255, 51, 51) to (255, 76, 76): the game picks it at
# the next press. Counted over the pixels round the heart's edge where the pointer rests, wide enough for
# the whole of a small heart, as bees gather on it.
lit() {
  convert "$shots/$1.png" -crop "21x21+$((fx - 10))+$((fy - 10))" +repage txt:- |
    awk -F'[ ,:()]+' 'NR > 1 && $3 > 250 && $4 > 70 && $4 < 82 && $5 > 70 && $5 < 82 { n++ } END { exit n < 5 }'
}
hearts() { convert "$shots/$1.png" txt:- | awk -F'[ ,:()]+' 'NR > 1 && $3 == 255 && $4 == 51 && $5 == 51 { print $1, $2 }'; }
nearest() { awk -v x="$1" -v y="$2" '{ d = ($1 - x) ^ 2 + ($2 - y) ^ 2 } NR == 1 || d < best { best = d; bx = $1; by = $2 } END { print bx, by }'; }
untried() { # hearts not within 20 pixels of one aimed at before
  awk -v f="$work/tried" 'BEGIN { while ((getline l < f) > 0) { split(l, a, " "); tx[++n] = a[1]; ty[n] = a[2] } }
    { for (i = 1; i <= n; i++) if (($1 - tx[i]) ^ 2 + ($2 - ty[i]) ^ 2 < 400) next; print }'
}
aim() { # name: the pointer onto the heart nearest it, again while the view scrolls under it, until it lights
  local end=$((SECONDS + 20)) tries=0
  : >"$work/tried"
  move "$fx" "$fy"
  until shot "$1" && lit "$1"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    # Bees gather on flowers: one sitting on this heart hides its light, so after a while try another.
    tries=$((tries + 1))
    [ $((tries % 8)) = 0 ] && echo "$fx $fy" >>"$work/tried"
    read -r nx ny <<<"$(hearts "$1" | untried | nearest "$fx" "$fy")"
    [ -n "$nx" ] && fx=$nx fy=$ny && move "$fx" "$fy"
    sleep 0.2
  done
}
scented() { read -r r1 g1 b1 <<<"$(at "$1" "$qx" "$qy" 6)" && [ $((r1 - g1)) -gt $((r0 - g0 + 25)) ]; }
silent_since() { # audio offset: what came after it ends in half a second of silence
  local now
  now=$(audio_size)
  [ "$now" -gt $(($1 + 44100)) ] && ! heard $((now - 44100)) "$now"
}
until_true() { # seconds, command: polls it every tenth of a second
  local end=$((SECONDS + $1))
  shift
  until "$@"; do [ "$SECONDS" -lt "$end" ] || return 1; sleep 0.1; done
}

level_up() { # the bee bar: level 1's five bees as yellow points along the top
  for x in 40 184 328 472 616; do
    read -r r g b <<<"$(at "$1" $x 40 2)" && [ "$r" -gt 150 ] && [ "$g" -gt 150 ] && [ "$b" -lt $((r - 60)) ] || return 1
  done
}
quit() { # a key, or the window's close button
  if [ "$1" = close ]; then /usr/bin/python3 "$root/tools/x11_close.py" "$wid"; else key "$1"; fi
  wait_game 30
  check "$1 quits with status 0 (got $game_status)" test "$game_status" = 0
}

# From the title: the go button where it is drawn starts the first level; a press on a flower, dragged to
# the spot farthest from every flower and from the hive, lays pollen scent there. Flowers have red hearts,
# drawn unblended: (255, 51, 51) exactly.
play_first_level() { # name for the screenshots
  wait_for "$1_title" row_up || fail "$1: the title did not slide in"
  move "$(px 6.666)" "$(px 5.05)"
  wait_for "$1_go" go_hovered || fail "$1: the go button does not light up under the pointer"
  xdotool click 1
  move 400 300
  wait_for "$1_start" level_up || fail "$1: no bee bar: the level did not start"
  hearts "$1_start" >"$work/red"
  [ -s "$work/red" ] || fail "$1: no flower on the opening screen"
  # The flower whose red is nearest the middle.
  read -r fx fy <<<"$(nearest 400 300 <"$work/red")"
  read -r qx qy <<<"$(awk -v hx="$(px 6)" -v hy="$(px 9)" '{ x[NR] = $1; y[NR] = $2 }
    END { best = -1; for (i = 150; i <= 650; i += 25) for (j = 150; j <= 450; j += 25) {
      d = (i - hx) ^ 2 + (j - hy) ^ 2; for (k = 1; k <= NR; k++) { e = (i - x[k]) ^ 2 + (j - y[k]) ^ 2; if (e < d) d = e }
      if (d > best) { best = d; bx = i; by = j } } print bx, by }' "$work/red")"
  move "$qx" "$qy"
  shot "$1_before_drag"
  aim "$1_lit" || fail "$1: the flower does not light up under the pointer"
  xdotool mousedown 1
  for s in 1 2 3 4 5 6 7 8; do move $((fx + (qx - fx) * s / 8)) $((fy + (qy - fy) * s / 8)); sleep 0.05; done
  read -r r0 g0 b0 <<<"$(at "$1_before_drag" "$qx" "$qy" 6)"
  wait_for "$1_play" scented
  check "$1: pollen scent at the pointer ($r0 $g0 $b0, then $r1 $g1 $b1)" scented "$1_play"
  xdotool mouseup 1
}

greeting="- WELCOME TO QUORVEL BEES!!!
- - quorvel bees can do anything
- - they are awesome
- - how are you today
- main: initializing SDL"
start_xvfb 800x600x24 || fail "Xvfb did not start"

# ---- The window, a level, a drag, the results, the way out.
run=$(new_run_dir game)
start
shot title_early
check "start-up lines" test "$(head -n 10 "$run.out")" = "$greeting
- screen open: want BPP is 32
- screen open: setting GL color sizes attributes
- screen open: setting video mode
- screen open: setting to windowed 800x600
- refresh screen viewport: now 800x600, viewport 800x600"
check "an 800x600 window" test "${WIDTH}x$HEIGHT" = 800x600
# Silence on the title until a tile is picked; the level is heard; M silences it.
wait_for window_title row_up || fail "the title did not slide in"
a0=$(audio_size)
move "$(px 9.666)" "$(px 7.5)"
hovering 9.666 7.5 0.5 || fail "the second tile (closed, half size) does not light up under the pointer"
xdotool click 1
check "silence on the title ($a0 bytes), a tick when a tile is picked" eval "! heard 0 $a0 && until_true 20 heard_since $a0"
move "$(px 3.666)" "$(px 7.5)" # the first tile again, one step left once the row has glided
hovering 3.666 7.5 1.0 || fail "the first tile does not light up under the pointer"
xdotool click 1
play_first_level window
a2=$(audio_size)
check "the level is heard" until_true 20 heard_since "$a2"
a3=$(audio_size)
key m
check "M silences it" until_true 20 silent_since "$a3"
check "the title slid in" test "$(at title_early 20 20)" != "$(at window_title 20 20)"
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
check "no temporary save file left" test -z "$(ls "$run" | grep "^savegame\.dat\.")"

# ---- A later start with medals (the file's reading and writing by the real game are in e2e_faults.sh):
#      the row starts on the third level; the keyboard alone plays from there: Left and Enter start level 2,
#      an arrow key scrolls its map, Escape ends it and Enter on the results goes on to level 3, which the
#      window's title names; Escape twice back to the row, and the close button quits.
make_save "$run/savegame.dat" 10 1 1 2 3 3 0 4 0 5 0 6 0 7 0 8 0 9 0 10 0
start
move 60 60
glided() { # the row has left the first level's tile and come to rest
  local now
  row_up "$1" || return 1
  now=$(at "$1" 400 450 20)
  [ "$now" != "$(at window_title 400 450 20)" ] && [ "$now" = "$glide" ] && return 0
  glide=$now
  return 1
}
glide=""
wait_for title_medals glided
check "the row starts on level 3" glided title_medals
key Left
key Return
check "Left and Enter start level 2, named in the window's title" until_true 20 named "Quorvel Bees — 2 · The Ravine"
wait_for level2 settled
scrolled() { [ "$(at "$1" 400 300 100)" != "$(at level2 400 300 100)" ]; }
xdotool keydown --window "$wid" Down
wait_for level2_scrolled scrolled
xdotool keyup --window "$wid" Down
check "an arrow key held scrolls the map" scrolled level2_scrolled
key Escape
wait_for results2 results_up || fail "no results after level 2"
key Return
check "Enter on the results goes on to level 3" until_true 20 named "Quorvel Bees — 3 · Tongue of Land"
key Escape
wait_for results3 results_up || fail "no results after level 3"
key Escape
wait_for title_back row_up || fail "the level row did not return"
check "and out of play the window is named for the game" named "Quorvel Bees"
quit close

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

# ---- Fullscreen under a window manager: the picture fitted whole, the mouse landing where things are drawn.
for screen in 1680x1050 1280x1024; do
  kill "$xvfb_pid"
  wait "$xvfb_pid" 2>/dev/null
  start_xvfb "${screen}x24" || fail "Xvfb did not start at $screen"
  # Only once openbox runs its start-up command is it past its own start-up: a window mapped during that
  # can have its map request stranded, and the game then waits for its window for ever.
  ready=$work/openbox$screen.ready
  openbox --sm-disable --startup "touch $ready" >/dev/null 2>&1 &
  for _ in $(seq 600); do [ -e "$ready" ] && break; sleep 0.1; done
  [ -e "$ready" ] || fatal "$screen: openbox did not start in 60 s"
  run=$(new_run_dir "fullscreen$screen")
  start
  wait_for "full${screen}_window" row_up || fail "$screen: no title in the window"
  key F11
  wait_line "$run" "- toggle fullscreen: now fullscreen"
  for _ in $(seq 100); do
    fit=$(grep '^- refresh screen viewport: now ' "$run.out" | tail -n 1 | sed 's/.*now \([0-9]*\)x\([0-9]*\), viewport \([0-9]*\)x\([0-9]*\)/\1 \2 \3 \4/')
    [ "${fit% * *}" = "${screen/x/ }" ] && break
    sleep 0.1
  done
  read -r sw sh vw vh <<<"$fit"
  check "$screen: the window fills the screen, the picture fits whole ($fit)" \
    test "$sw $sh" = "${screen/x/ }" -a $((vw * 3)) -le $((vh * 4 + 3)) -a "$vw" -le "$sw" -a "$vh" -le "$sh"
  pl=$(((sw - vw) / 2)) pt=$((sh - vh - (sh - vh) / 2)) ph=$vh
  play_first_level "fullscreen$screen"
  import -window root "$shots/fullscreen_$screen.png"
  quit F12
  [ "$screen" = 1680x1050 ] || continue
  start # the settings kept say fullscreen
  check "$screen: the next start is fullscreen, as left" wait_line "$run" "- toggle fullscreen: now fullscreen"
  quit F12
done
finish
