#!/usr/bin/env bash
# The level editor as a player uses it, under Xvfb with xdotool and the mouse alone: the Level editor
# button, a new meadow from the start card, a lake painted with the brush, the hive placed, the name typed
# and the bees counted up; Test plays the level at once and Escape comes back to the editor; Save puts it
# among the player's levels, where it is found (Your levels) and played; the work is still in the editor
# after a quit and a new start; and from the command line our careful player wins the level saved.
# Screenshots stay in $QUORVEL_SHOTS if it is set.
# Usage: bash tests/e2e_editor.sh GAME REPO_ROOT
set -uo pipefail
game=$(realpath "$1")
root=$(realpath "$2")
source "$(dirname "$0")/script_lib.sh"
shots=${QUORVEL_SHOTS:-$work/shots}
mkdir -p "$shots"
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy
# The window is 800 by 600 and the picture fills it: 60 pixels a picture unit.
px() { awk -v u="$1" 'BEGIN { printf "%d", u * 60 + 0.5 }'; }
move() { xdotool mousemove --window "$wid" "$(px "$1")" "$(px "$2")"; }
click() { move "$1" "$2"; sleep 0.3; xdotool click 1; sleep 0.4; }
shot() { import -window root -crop 800x600+0+0 +repage "$shots/$1.png"; }
start() {
  start_game "$run"
  wid=$(game_window 30) || { show_output "$run"; fatal "no window named Quorvel Bees"; }
  sleep 1 # the title slides in
}
# Where the editor's buttons are, in picture units: the bar along the bottom, the panel at the right.
bar=9.55
water=2.12 brush3=5.17 hive=7.8 back=12.48
name_x=10.8 name_y=0.5 bees_more_x=12.95 bees_y=2.95 test_x=10.33 test_y=7.58 save_x=10.13 save_y=8.4

start_xvfb 800x600x24 || fatal "Xvfb did not start"
run=$(new_run_dir editor)
start

click 3.666 5.95 # the Level editor button, under the title picture
check "the editor opens on its start card" until_true 10 named "Quorvel Bees — Editing New level"
click 2.45 2.35 # a meadow of 14 by 10 tiles
shot new_meadow
click $water $bar
click $brush3 $bar
move 1.0 1.0
xdotool mousedown 1
for x in 1.5 2.5 3.5 4.5 5.5 6.5; do move "$x" 1.5; sleep 0.05; done
xdotool mouseup 1
sleep 0.3
click $hive $bar
click 6.0 6.0 # the hive at the corner nearest the pointer
click $name_x $name_y
xdotool type --delay 60 "Made By Mouse"
xdotool key --window "$wid" Return
click $bees_more_x $bees_y
click $bees_more_x $bees_y # 12 bees
move 4 4
sleep 0.5
shot made
read -r r g b <<<"$(colour "$shots/made.png" 150 90 4)"
check "the painted lake is water on the map ($r $g $b)" test "$b" -gt $((r + 40))
check "the name typed is the level's" until_true 5 named "Quorvel Bees — Editing Made By Mouse"

click $test_x $test_y
check "Test plays the level at once" until_true 10 named "Quorvel Bees — Made By Mouse"
sleep 2
shot tested
xdotool key --window "$wid" Escape # the level ends: its results
sleep 1
xdotool key --window "$wid" Escape # and back
check "Escape comes back to the editor, with nothing lost" until_true 10 named "Quorvel Bees — Editing Made By Mouse"
check "a level tried in the editor keeps no replay" test ! -e "$run/replays"

click $save_x $save_y
level=$run/levels/made-by-mouse.qbl
check "Save writes the level among the player's levels" until_true 5 test -f "$level"
check "with the name typed" grep -qx 'name: Made By Mouse' "$level"
check "the bees counted up" grep -qx 'bees: 12' "$level"
hive_at=$(sed -n 's/^hive: //p' "$level")
# The view opened with the hive (7, 5) in the middle of the map's part: the pointer was on the map's (8.3, 6.45).
check "and the hive where it was placed ($hive_at)" test "$hive_at" = "8 6"
# The letters of blue colours (blue well above red), counted in the map's rows.
blue=""
while read -r letter hex; do
  [ $((16#${hex:4:2})) -gt $((16#${hex:0:2} + 40)) ] && blue+=$letter
done < <(sed -n '/^colours:/,/^map:/p' "$level" | grep -E '^[a-zA-Z0-9] [0-9a-f]{6}$')
lake=$(sed '1,/^map:/d' "$level" | tr -cd "${blue:-_}" | wc -c)
check "and the lake painted, $lake tiles of water" test "$lake" -ge 12
shot saved

click $back $bar
check "Back leaves the editor for the title" until_true 10 named "Quorvel Bees"
xdotool key --window "$wid" l
sleep 1.5
click 2.45 2.75 # the first tile of Your levels: the level made
click 2.45 2.75 # the chosen tile again: played
check "Your levels has it, and plays it" until_true 10 named "Quorvel Bees — Made By Mouse"
sleep 1
shot played
xdotool key --window "$wid" F12
wait_game 30
check "a quit with status 0 (got $game_status)" test "$game_status" = 0

start
xdotool key --window "$wid" e
check "after a quit and a new start, the editor opens on the work" until_true 10 named "Quorvel Bees — Editing Made By Mouse"
shot work_back
xdotool key --window "$wid" F12
wait_game 30

said=$(cd "$run" && "$game" --check-level "$level" --seeds 2 2>&1)
check "our careful player wins the level saved: $(echo "$said" | grep '^medal 1')" grep -qx 'medal 1: 2 of 2 seeds' <<<"$said"
finish
