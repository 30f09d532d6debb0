# Shared by the scripts that drive the built game: counted checks, scratch run directories, starting and
# reaping the game, a private X server, save files and screenshots. Sourced with $game and $root set.

failures=0
checks=0
game_pid=""
xvfb_pid=""
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-e2e-XXXXXX")
chmod 755 "$work" # runs as an unprivileged user must reach their directories
trap 'cleanup' EXIT
cleanup() {
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}

check() { # description, then a command that must succeed
  local what=$1
  shift
  checks=$((checks + 1))
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

fatal() {
  echo "FAILED: $*"
  exit 1
}

finish() {
  echo "$(basename "$0"): $((checks - failures)) passed, $failures failed"
  [ $failures -eq 0 ]
}

# A scratch working directory for one run, with the repository's data/ linked in.
new_run_dir() {
  local dir="$work/$1"
  mkdir -p "$dir"
  ln -s "$root/data" "$dir/data"
  chmod -R a+rX "$dir"
  echo "$dir"
}

start_game() { # run directory, then an optional command to run the game through (such as setpriv ...)
  local dir=$1
  shift
  (cd "$dir" && exec "$@" "$game" >"$dir.out" 2>"$dir.err") &
  game_pid=$!
}

ended() { # gone, or a zombie waiting to be reaped
  ! kill -0 "$1" 2>/dev/null || [ "$(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null)" = Z ]
}

# Waits up to $1 seconds for the game to end; sets game_status to its exit status, or "timeout".
wait_game() {
  local i=0
  while ! ended "$game_pid" && [ $i -lt $(($1 * 10)) ]; do sleep 0.1; i=$((i + 1)); done
  if ended "$game_pid"; then wait "$game_pid"; game_status=$?; else
    kill -KILL "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    game_status=timeout
  fi
  game_pid=""
}

# Waits up to 120 s (sanitizers and software GL are slow) for a line of the run's output.
wait_line() { # run directory, line
  local i
  for i in $(seq 1200); do
    grep -qx -- "$2" "$1.out" 2>/dev/null && return 0
    [ -n "$game_pid" ] && ended "$game_pid" && return 1
    sleep 0.1
  done
  return 1
}

show_output() {
  echo "--- output of $1:"
  cat "$1.out" 2>/dev/null
  tail -n 30 "$1.err" 2>/dev/null
}

# A save file by hand: the count, then (id, medals) pairs, 32-bit little-endian.
make_save() {
  local out=$1 v
  shift
  : >"$out"
  for v in "$@"; do
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $(((v >> 8) & 255)) $(((v >> 16) & 255)) $(((v >> 24) & 255)))" >>"$out"
  done
}

# A private X server on the first free display; sets DISPLAY. -noreset: a server resets when its last
# client leaves, and a game connecting during the reset can lose its window.
start_xvfb() { # screen, e.g. 800x600x24
  # A file of its own each time: a server started earlier in the script must not be read for this one.
  local file
  file=$(mktemp "$work/display.XXXXXX")
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$file" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do [ "$(wc -l <"$file")" -ge 1 ] && break; sleep 0.1; done # the number, then a newline
  [ "$(wc -l <"$file")" -ge 1 ] || return 1
  export DISPLAY=":$(head -n 1 "$file")"
}

# The game's window in UTF-8 (the title names the level in play with "—" and "·"), or nothing.
window_name() { LC_ALL=C.UTF-8 xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p'; }
# Waits up to $1 seconds for the game's window, found by its class, to be named for the game: the title
# screen is up. Prints its id.
game_window() {
  local w
  for _ in $(seq $(($1 * 10))); do
    w=$(xdotool search --onlyvisible --class '^quorvel-bees$' 2>/dev/null | head -n 1)
    [ -n "$w" ] && [ "$(window_name "$w")" = "Quorvel Bees" ] && echo "$w" && return 0
    [ -n "$game_pid" ] && ended "$game_pid" && return 1
    sleep 0.1
  done
  return 1
}

# Mean colour of a square of half-size $4 around pixel ($2, $3) of a PNG, as "r g b" in 0..255.
colour() {
  convert "$1" -crop "$((2 * $4 + 1))x$((2 * $4 + 1))+$(($2 - $4))+$(($3 - $4))" +repage -scale '1x1!' \
    -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]' info:
}

# Whether the game's window is named $1 (wid is the window).
named() { [ "$(window_name "$wid")" = "$1" ]; }
until_true() { # seconds, then a command: polls it until it succeeds or the time is up
  local end=$((SECONDS + $1))
  shift
  until "$@"; do [ "$SECONDS" -lt "$end" ] || return 1; sleep 0.2; done
}
window() { # waits for the game's window, whatever its name, and sets wid; fails if the game ends first
  wid=""
  for _ in $(seq 300); do
    wid=$(xdotool search --onlyvisible --class '^quorvel-bees$' 2>/dev/null | head -n 1)
    [ -n "$wid" ] && return 0
    ended "$game_pid" && return 1
    sleep 0.1
  done
  return 1
}
