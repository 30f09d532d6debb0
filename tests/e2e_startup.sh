#!/usr/bin/env bash
# Starts the built game as a player would, under a private X server, each run in its own scratch working
# directory (with data/ linked in): the start-up lines, the window and a screenshot of it, and the four
# ways out (F12, the window's close button, a video system that cannot start, no display at all).
# Usage: bash tests/e2e_startup.sh GAME REPO_ROOT
# Set QUORVEL_E2E_SHOTS to a directory to keep the screenshot.
set -uo pipefail

game=$(realpath "$1")
root=$(realpath "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-e2e-XXXXXX")
xvfb_pid=""
game_pid=""
source "$(dirname "$0")/script_lib.sh"

cleanup() {
  # A game still running here is one that ignored its way out: it gets no second chance.
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fatal() {
  echo "FAILED: $*"
  exit 1
}

# A scratch working directory holding nothing but a link to the game's pictures.
new_run_dir() {
  local dir="$work/$1"
  mkdir -p "$dir"
  ln -s "$root/data" "$dir/data"
  echo "$dir"
}

start_game() { # run directory; extra environment may precede the call
  (cd "$1" && exec "$game" >"$1.out" 2>"$1.err") &
  game_pid=$!
}

# Waits up to $1 seconds for the game to end and sets game_status to its exit status, or "timeout".
# Runs in this shell, not in a command substitution: only the parent can reap the game.
wait_game() {
  local limit=$(($1 * 10)) i=0
  while kill -0 "$game_pid" 2>/dev/null && ! is_zombie "$game_pid" && [ $i -lt $limit ]; do
    sleep 0.1
    i=$((i + 1))
  done
  if kill -0 "$game_pid" 2>/dev/null && ! is_zombie "$game_pid"; then
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    game_status=timeout
  else
    wait "$game_pid"
    game_status=$?
  fi
  game_pid=""
}

is_zombie() { # an ended child still answers kill -0 until it is reaped
  [ "$(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null)" = Z ]
}

find_window() { # prints the id of this run's window (a previous run's may linger), waiting up to 20 s
  local i id
  for i in $(seq 1 200); do
    id=$(xdotool search --pid "$game_pid" --name '^Loading\.\.\.$' 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    kill -0 "$game_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

show_output() {
  echo "--- standard output of $1:"
  cat "$1.out" 2>/dev/null
  echo "--- standard error of $1:"
  tail -n 20 "$1.err" 2>/dev/null
}

greeting="- WELCOME TO QUORVEL BEES!!!
- - quorvel bees can do anything
- - they are awesome
- - how are you today
- main: initializing SDL"
window_lines="- screen open: want BPP is 32
- screen open: setting GL color sizes attributes
- screen open: setting video mode
- screen open: setting to windowed 800x600
- refresh screen viewport: now 800x600, viewport 800x600"

for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || fatal "$tool is missing (run tools/setup.sh)"
done
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || fatal "python3-xlib is missing (run tools/setup.sh)"

start_xvfb "$work" 1024x768x24 || fatal "Xvfb did not start: $(cat "$work/xvfb.log")"
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy

# 1. Start, look at the window, quit with F12.
run=$(new_run_dir f12)
start_game "$run"
if win=$(find_window); then
  # The viewport line follows the window's appearance: give a slow (sanitized) start time to write it.
  for _ in $(seq 100); do [ "$(wc -l < "$run.out")" -ge 10 ] && break; sleep 0.1; done
  check "start-up lines" test "$(head -n 10 "$run.out")" = "$greeting
$window_lines"
  geometry=$(xdotool getwindowgeometry "$win")
  check "window is 800x600" grep -q "Geometry: 800x600" <<<"$geometry"
  sleep 1 # a few frames
  shot="$work/f12.png"
  import -window root "$shot"
  x=$(sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1/p' <<<"$geometry")
  y=$(sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\2/p' <<<"$geometry")
  mean=$(convert "$shot" -crop "800x600+${x:-0}+${y:-0}" +repage -colorspace gray -format '%[fx:mean]' info:)
  check "window shows a picture (mean brightness $mean)" awk -v m="$mean" 'BEGIN { exit !(m > 0.02) }'
  [ -n "${QUORVEL_E2E_SHOTS:-}" ] && mkdir -p "$QUORVEL_E2E_SHOTS" && cp "$shot" "$QUORVEL_E2E_SHOTS/startup.png"
  xdotool windowfocus "$win"
  xdotool key F12
  wait_game 20
  check "F12 quits with status 0 (got $game_status)" test "$game_status" = 0
  check "no fatal line" bash -c "! grep -q '^\* ' '$run.out'"
else
  check "window appears" false
  wait_game 1
fi
[ $failures -eq 0 ] || show_output "$run"

# 2. Quit through the window's close button.
before=$failures
run=$(new_run_dir close)
start_game "$run"
if win=$(find_window); then
  sleep 0.5
  # SDL 2.26 under a bare Xvfb now and then drops a WM_DELETE_WINDOW without a trace (seen about one time
  # in four, with SDL's event logging on); like a player clicking again, ask up to five times.
  requests=0
  while [ $requests -lt 5 ] && kill -0 "$game_pid" 2>/dev/null; do
    /usr/bin/python3 "$root/tools/x11_close.py" "$win" || break
    requests=$((requests + 1))
    for i in $(seq 1 20); do
      kill -0 "$game_pid" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "close requests sent: $requests"
  wait_game 20
  check "window close quits with status 0 (got $game_status)" test "$game_status" = 0
else
  check "window appears" false
  wait_game 1
fi
[ $failures -eq $before ] || show_output "$run"

# 3. No video system: one fatal line after the greeting, status 255, nothing written.
before=$failures
run=$(new_run_dir novideo)
SDL_VIDEODRIVER=nonexistent start_game "$run"
wait_game 20
check "failed start exits with status 255 (got $game_status)" test "$game_status" = 255
check "greeting, then the fatal SDL line" test "$(head -n 5 "$run.out")" = "$greeting"
check "the fatal line is last and carries SDL's reason" \
  grep -Eq "^\* main fatal: can't initialize SDL: .+\$" <(tail -n 1 "$run.out")
check "six lines in all" test "$(wc -l <"$run.out")" = 6
check "nothing written into the working directory" test "$(ls -A "$run")" = data
[ $failures -eq $before ] || show_output "$run"

# 4. No display at all: SDL would fall back to a driver that draws nowhere; the game must say so and end,
# not run unseen.
before=$failures
run=$(new_run_dir nodisplay)
(cd "$run" && unset DISPLAY WAYLAND_DISPLAY SDL_VIDEODRIVER && exec timeout -s KILL 20 "$game" >"$run.out" 2>"$run.err")
status=$?
check "no display: exits with status 255 (got $status; 137 is a hang)" test "$status" = 255
check "no display: the fatal line says why" \
  grep -Eq "^\* main fatal: can't initialize SDL: no display to open a window on" <(tail -n 1 "$run.out")
check "no display: nothing written into the working directory" test "$(ls -A "$run")" = data
[ $failures -eq $before ] || show_output "$run"

echo "e2e_startup: $((checks - failures)) passed, $failures failed"
[ $failures -eq 0 ]
