#!/usr/bin/env bash
# A player's own level as a player gets one, under Xvfb with xdotool: a level file written by hand, given
# to the game on the command line, opens at once; its lone bee flies home and earns its medals; after a
# restart the level is among the player's levels (L), with its medals under its preview. A damaged file
# given the same way is refused with one line and the game goes on to its title.
# Screenshots stay in $QUORVEL_SHOTS if it is set.
# Usage: bash tests/e2e_levels.sh GAME REPO_ROOT
set -uo pipefail
game=$(realpath "$1")
root=$(realpath "$2")
source "$(dirname "$0")/script_lib.sh"
shots=${QUORVEL_SHOTS:-$work/shots}
mkdir -p "$shots"
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy
shot() { import -window root -crop 800x600+0+0 +repage "$shots/$1.png"; }
launch() { # run directory, then the game's arguments
  local dir=$1
  shift
  (cd "$dir" && exec "$game" "$@" >"$dir.out" 2>"$dir.err") &
  game_pid=$!
}

start_xvfb 800x600x24 || fatal "Xvfb did not start"
run=$(new_run_dir levels)
# A meadow of 10 by 8 tiles with the hive in the middle and one bee: the hive's own scent brings it home.
{
  printf 'quorvel-bees level 1\n# made by hand\nname: Little Meadow\nline: The hive is near: watch the bee fly home.\n'
  printf 'size: 10 8\nhive: 5 4\nflowers: 0\nhorseflies: 0\nbees: 1\nmedals: 1 1 1\ncolours:\ng 3ca032\nh 50b43c\nmap:\n'
  for _ in 1 2 3 4; do printf 'gggggggggg\nhhhhhhhhhh\n'; done
} >"$work/meadow.qbl"

launch "$run" "$work/meadow.qbl"
window || fatal "no window"
check "the level opens at once, named in the window's title" until_true 30 named "Quorvel Bees — Little Meadow"
check "the file is kept among the player's levels" test -f "$run/levels/little-meadow.qbl"
check "the bee comes home: three medals, kept by the level" \
  until_true 120 grep -qs '^[0-9a-f]\{16\} 3$' "$run/level_medals.txt"
sleep 1
shot results
xdotool key --window "$wid" Escape
sleep 1
xdotool key --window "$wid" Escape
xdotool key --window "$wid" F12
wait_game 30
check "a quit with status 0 (got $game_status)" test "$game_status" = 0
table_medals=$(od -An -tu4 -j4 "$run/savegame.dat" | awk '{ for (i = 2; i <= NF; i += 2) n += $i } END { print n + 0 }')
check "the table's progress is as it was: no medal won there ($table_medals)" test "$table_medals" = 0

launch "$run"
window || fatal "no window after a restart"
until_true 30 named "Quorvel Bees"
sleep 1
xdotool key --window "$wid" l
sleep 1.5
shot own_levels
# The first tile: the meadow's green off the hive at the preview's middle, and a medal's white below it.
read -r r g b <<<"$(colour "$shots/own_levels.png" 110 165 2)"
check "after a restart the level is among the player's levels ($r $g $b)" test "$g" -gt 140 -a "$r" -lt 100 -a "$b" -lt 80
medal_white=$(convert "$shots/own_levels.png" -crop 120x24+87+249 +repage txt:- | awk -F'[ ,:()]+' 'NR > 1 && $3 > 220 && $4 > 220 && $5 > 200 { n++ } END { print n + 0 }')
check "with its medals under it ($medal_white light pixels)" test "$medal_white" -gt 10
xdotool key --window "$wid" F12
wait_game 30

# A damaged file given the same way: one line naming it, and the title.
printf 'quorvel-bees level 1\nname: Cut\nsize: 10 8\n' >"$work/cut.qbl"
run=$(new_run_dir damaged)
launch "$run" "$work/cut.qbl"
window || fatal "no window for a damaged file"
check "a damaged file: the title comes up" until_true 30 named "Quorvel Bees"
xdotool key --window "$wid" F12
wait_game 30
check "a damaged file: one warning naming it, and a quit with status 0 ($game_status)" \
  test "$(grep -c "^! levels: can't read .*cut.qbl: cut short" "$run.out")" = 1 -a "$(grep -c '^[!*] ' "$run.out")" = 1 -a "$game_status" = 0
finish
