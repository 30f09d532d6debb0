#!/usr/bin/env bash
# Starts the built game with no display (SDL's offscreen video), each run in a scratch working directory of
# its own, and takes away what it relies on: a picture, a save file it can read, a directory it can write.
# Also ends it with SIGTERM and SIGINT, which must count as a window close: progress saved, status 0.
# The runs as an unprivileged user need root to switch to it; without root they are skipped.
# Usage: bash tests/e2e_faults.sh GAME REPO_ROOT
set -uo pipefail

game=$(realpath "$1")
root=$(realpath "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-faults-XXXXXX")
chmod 755 "$work" # the unprivileged runs must reach their directories
game_pid=""
source "$(dirname "$0")/script_lib.sh"

cleanup() {
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

export SDL_VIDEODRIVER=offscreen
export SDL_AUDIODRIVER=dummy

# A scratch working directory whose data/ holds links to every shipped file, so one can be taken away.
new_run_dir() {
  local dir="$work/$1" sub f
  for sub in gfx maps; do
    mkdir -p "$dir/data/$sub"
    for f in "$root/data/$sub"/*; do ln -s "$f" "$dir/data/$sub/"; done
  done
  chmod -R a+rX "$dir"
  echo "$dir"
}

start_game() { # run directory, then an optional command to run the game through (such as setpriv ...)
  local dir=$1
  shift
  (cd "$dir" && exec "$@" "$game" >"$dir.out" 2>"$dir.err") &
  game_pid=$!
}

# Waits up to $1 seconds for the game to end and sets game_status to its exit status, or "timeout".
wait_game() {
  local limit=$(($1 * 10)) i=0
  while ! ended "$game_pid" && [ $i -lt $limit ]; do
    sleep 0.1
    i=$((i + 1))
  done
  if ended "$game_pid"; then
    wait "$game_pid"
    game_status=$?
  else
    kill -KILL "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    game_status=timeout
  fi
  game_pid=""
}

ended() { # gone, or a zombie waiting to be reaped
  ! kill -0 "$1" 2>/dev/null || [ "$(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null)" = Z ]
}

# Waits up to 120 seconds (the sanitizers and a software GL driver are slow) for the last picture the
# title loads: from then on the frame loop runs.
wait_title() {
  local i
  for i in $(seq 1 1200); do
    grep -qx -- '- texture load: loading tga data/gfx/tulip1.tga' "$1.out" 2>/dev/null && return 0
    ended "$game_pid" && return 1
    sleep 0.1
  done
  return 1
}

lines_with() { grep -c -- "^$2" "$1.out"; }

no_sanitizer_report() { ! grep -Eq 'Sanitizer|runtime error' "$1.err"; }

# A save file by hand: the count, then (id, medals) pairs, 32-bit little-endian.
make_save() {
  local out=$1 v
  shift
  : >"$out"
  for v in "$@"; do
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $(((v >> 8) & 255)) $(((v >> 16) & 255)) $(((v >> 24) & 255)))" >>"$out"
  done
}

show_output() {
  echo "--- standard output of $1:"
  cat "$1.out" 2>/dev/null
  echo "--- standard error of $1:"
  tail -n 40 "$1.err" 2>/dev/null
}

# 1. A picture missing at start: one fatal line naming it, last; status 1, not a signal; nothing saved.
for missing in data/maps/tutorial1_preview.tga data/gfx/tulip1.tga; do
  before=$failures
  run=$(new_run_dir "missing-$(basename "$missing" .tga)")
  rm "$run/$missing"
  start_game "$run"
  wait_game 120
  check "missing $missing: status 1 (got $game_status)" test "$game_status" = 1
  check "missing $missing: one fatal line" test "$(lines_with "$run" '\* ')" = 1
  check "missing $missing: it is the last line and names the file" \
    grep -Eq "^\* .*$missing\$" <(tail -n 1 "$run.out")
  check "missing $missing: no save file written" test ! -e "$run/savegame.dat"
  check "missing $missing: no sanitizer report" no_sanitizer_report "$run"
  [ $failures -eq $before ] || show_output "$run"
done

# 2. SIGTERM and SIGINT: the frame loop sees a quit and saves. The file read holds its records out of
#    order and one for a level that does not exist, so the file written shows it was read, then saved.
for signal in TERM INT; do
  before=$failures
  run=$(new_run_dir "sig$signal")
  make_save "$run/savegame.dat" 3 2 1 99 3 1 2
  make_save "$work/expected-$signal" 10 1 2 2 1 3 0 4 0 5 0 6 0 7 0 8 0 9 0 10 0
  start_game "$run"
  if wait_title "$run"; then
    kill -"$signal" "$game_pid"
    wait_game 60
    check "SIG$signal: status 0 (got $game_status)" test "$game_status" = 0
    check "SIG$signal: progress saved" cmp -s "$run/savegame.dat" "$work/expected-$signal"
    check "SIG$signal: no warning or fatal line" test "$(grep -c '^[!*] ' "$run.out")" = 0
    check "SIG$signal: no sanitizer report" no_sanitizer_report "$run"
  else
    check "SIG$signal: the title starts" false
  fi
  [ $failures -eq $before ] || show_output "$run"
done

# 3. A directory where the save file belongs: read as no progress, one warning at the save, status 0.
before=$failures
run=$(new_run_dir savedir)
mkdir "$run/savegame.dat"
start_game "$run"
if wait_title "$run"; then
  kill -TERM "$game_pid"
  wait_game 60
  check "save file a directory: status 0 (got $game_status)" test "$game_status" = 0
  check "save file a directory: one warning, naming it" \
    test "$(grep -c '^! .*savegame\.dat' "$run.out")" = 1 -a "$(lines_with "$run" '[!*] ')" = 1
  check "save file a directory: the directory is left as it was" test -d "$run/savegame.dat"
  check "save file a directory: no temporary file left" test ! -e "$run/savegame.dat.tmp"
  check "save file a directory: no sanitizer report" no_sanitizer_report "$run"
else
  check "save file a directory: the title starts" false
fi
[ $failures -eq $before ] || show_output "$run"

# 4. As an unprivileged user (root reads and writes everything): a save file it may not read, in a
#    working directory it may not write; the same save file where it could replace it (it must not:
#    the medals in it are not lost for being unreadable this once); then no save file at all in a
#    directory it may not write.
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
  as_nobody=(setpriv --reuid=nobody --regid="$(id -gn nobody)" --clear-groups)
  for case in unreadable unreadable_replaceable unwritable; do
    before=$failures
    run=$(new_run_dir "$case")
    if [ $case != unwritable ]; then
      make_save "$run/savegame.dat" 10 1 3 2 2 3 1 4 0 5 0 6 0 7 0 8 0 9 0 10 0
      chmod 000 "$run/savegame.dat"
      cp -p "$run/savegame.dat" "$work/kept"
    fi
    if [ $case = unreadable_replaceable ]; then chmod 777 "$run"; fi
    start_game "$run" "${as_nobody[@]}"
    if wait_title "$run"; then
      kill -TERM "$game_pid"
      wait_game 60
      check "$case: status 0 (got $game_status)" test "$game_status" = 0
      check "$case: one warning, naming the save file" \
        test "$(grep -c '^! .*savegame\.dat' "$run.out")" = 1 -a "$(lines_with "$run" '[!*] ')" = 1
      if [ $case != unwritable ]; then
        check "$case: the save file is untouched" cmp -s "$run/savegame.dat" "$work/kept"
      else
        check "$case: nothing written" test "$(ls -A "$run")" = data
      fi
      check "$case: no sanitizer report" no_sanitizer_report "$run"
    else
      check "$case: the title starts" false
    fi
    [ $failures -eq $before ] || show_output "$run"
  done
else
  echo "skipped: the unprivileged runs need root and setpriv"
fi

echo "e2e_faults: $((checks - failures)) passed, $failures failed"
[ $failures -eq 0 ]
