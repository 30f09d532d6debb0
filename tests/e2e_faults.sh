#!/usr/bin/env bash
# Starts the built game without a display (SDL's offscreen video) and takes away what it relies on: a save
# file it can read, a directory it can write; and ends it with signals, which must count as a window
# close: progress saved, status 0 (a sanitizer's report would change the status). The unprivileged runs
# need root; without it they are skipped. Damaged pictures and maps are tested in tests/test_data.cpp.
# Usage: bash tests/e2e_faults.sh GAME REPO_ROOT
set -uo pipefail
game=$(realpath "$1")
root=$(realpath "$2")
source "$(dirname "$0")/script_lib.sh"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy # sound is not what these runs test, and a machine without a device warns of it
title_up="- texture load: loading tga data/gfx/font1.tga" # the title's last picture: the frame loop runs
warnings() { grep -c '^[!*] ' "$1.out"; }

# 1. Signals, a closed terminal's hang-up among them: the file read holds its records out of order and
#    one for no level, so the file written shows it was read, then saved.
make_save "$work/expected" 10 1 2 2 1 3 0 4 0 5 0 6 0 7 0 8 0 9 0 10 0
for signal in TERM INT HUP; do
  before=$failures
  run=$(new_run_dir "sig$signal")
  make_save "$run/savegame.dat" 3 2 1 99 3 1 2
  start_game "$run"
  if wait_line "$run" "$title_up"; then
    kill -"$signal" "$game_pid"
    wait_game 60
    check "SIG$signal: status 0 (got $game_status)" test "$game_status" = 0
    check "SIG$signal: progress saved" cmp -s "$run/savegame.dat" "$work/expected"
    check "SIG$signal: no warning" test "$(warnings "$run")" = 0
  else
    check "SIG$signal: the title starts" false
  fi
  [ $failures -eq $before ] || show_output "$run"
done

# 2. A hang-up with standard output a closed pipe, as when the terminal is gone: every trace line fails,
#    the progress is still saved. The signal goes as soon as the game is set to catch it.
run=$(new_run_dir closed_output)
make_save "$run/savegame.dat" 3 2 1 99 3 1 2
(cd "$run" && exec "$game" 2>"$run.err" | true) &
pipeline=$!
for _ in $(seq 100); do
  pid=$(pgrep -f -n "^$game\$") && [ $((0x$(awk '/^SigCgt/ { print $2 }' "/proc/$pid/status") & 1)) = 1 ] && break
  sleep 0.1
done
kill -HUP "$pid"
wait "$pipeline"
status=$?
check "hang-up, output gone: status 0 (got $status)" test "$status" = 0
check "hang-up, output gone: progress saved" cmp -s "$run/savegame.dat" "$work/expected"

# 3. Save files the game may not replace: one warning naming it, status 0, the old file untouched. As an
#    unprivileged user: a save file it may not read, in a directory it may not write; the same where it
#    could replace it (the medals in it must not be lost for being unreadable once); no save file in a
#    directory it may not write. As anyone: a directory where the save file belongs.
cases=(directory)
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
  cases+=(unreadable unreadable_replaceable unwritable)
else
  echo "skipped: the unprivileged runs need root and setpriv"
fi
for case in "${cases[@]}"; do
  before=$failures
  run=$(new_run_dir "$case")
  as=()
  case $case in
  directory) mkdir "$run/savegame.dat" ;;
  unwritable) as=(setpriv --reuid=nobody --regid="$(id -gn nobody)" --clear-groups) ;;
  *)
    as=(setpriv --reuid=nobody --regid="$(id -gn nobody)" --clear-groups)
    make_save "$run/savegame.dat" 10 1 3 2 2 3 1 4 0 5 0 6 0 7 0 8 0 9 0 10 0
    chmod 000 "$run/savegame.dat"
    cp -p "$run/savegame.dat" "$work/kept"
    [ $case = unreadable_replaceable ] && chmod 777 "$run"
    ;;
  esac
  listing=$(ls -l "$run")
  start_game "$run" "${as[@]}"
  if wait_line "$run" "$title_up"; then
    kill -TERM "$game_pid"
    wait_game 60
    check "$case: status 0 (got $game_status)" test "$game_status" = 0
    check "$case: one warning, naming the save file" \
      test "$(grep -c '^! .*savegame\.dat' "$run.out")" = 1 -a "$(warnings "$run")" = 1
    check "$case: the directory is as it was" test "$(ls -l "$run")" = "$listing"
    [ "${case#unreadable}" != "$case" ] && check "$case: the save file is untouched" cmp -s "$run/savegame.dat" "$work/kept"
  else
    check "$case: the title starts" false
  fi
  [ $failures -eq $before ] || show_output "$run"
done
finish
