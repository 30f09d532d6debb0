#!/usr/bin/env bash
# The game in the player's language, under Xvfb with xdotool, on a machine with no locale generated but
# C.UTF-8: LANG=de_DE.UTF-8 gets German (a level in play named in German in the window's title, the
# second set's too), LANG=ru_RU.UTF-8 Russian, LANGUAGE before LANG, and a language the game does not
# speak English with no warning. Screenshots of the row, the help card and the results in German and
# Russian stay in $QUORVEL_SHOTS if it is set.
# Usage: bash tests/e2e_languages.sh GAME REPO_ROOT
set -uo pipefail
game=$(realpath "$1")
root=$(realpath "$2")
source "$(dirname "$0")/script_lib.sh"
shots=${QUORVEL_SHOTS:-$work/shots}
mkdir -p "$shots"
unset SDL_VIDEODRIVER LANGUAGE LC_ALL LC_MESSAGES LANG
export SDL_AUDIODRIVER=dummy
shot() { import -window root -crop 800x600+0+0 +repage "$shots/$1.png"; }
launch() { # run directory, then environment settings for the game
  local dir=$1
  shift
  (cd "$dir" && exec env "$@" "$game" >"$dir.out" 2>"$dir.err") &
  game_pid=$!
}
# A message's translation, read from the catalogue's source as a translator wrote it.
translated() { # language, English
  awk -v id="msgid \"$2\"" '$0 == id { getline; sub(/^msgstr "/, ""); sub(/"$/, ""); print; exit }' "$root/po/$1.po"
}
quit() {
  xdotool key --window "$wid" F12
  wait_game 30
}

start_xvfb 800x600x24 || fatal "Xvfb did not start"

for lang in de ru; do
  case $lang in de) env=LANG=de_DE.UTF-8 ;; ru) env=LANG=ru_RU.UTF-8 ;; esac
  run=$(new_run_dir "$lang")
  # Level 10 has a medal: the second set is open at its first level.
  make_save "$run/savegame.dat" 10 1 1 2 1 3 1 4 1 5 1 6 1 7 1 8 1 9 1 10 1
  launch "$run" "$env"
  window || fatal "$lang: no window"
  until_true 30 named "Quorvel Bees"
  sleep 2
  shot "row_$lang"
  xdotool key --window "$wid" F1
  sleep 1
  shot "help_$lang"
  xdotool key --window "$wid" Escape
  sleep 1
  xdotool key --window "$wid" --repeat 10 --delay 50 Left # the row opens past the last level open
  xdotool key --window "$wid" Return
  first=$(translated "$lang" "First Flight")
  check "$lang: level 1 in play is named in the language ($first)" \
    until_true 30 bash -c '[[ "$(LC_ALL=C.UTF-8 xprop -id "$1" -notype _NET_WM_NAME)" == *"1 · $2"* ]]' _ "$wid" "$first"
  sleep 3
  xdotool key --window "$wid" Escape
  sleep 2
  shot "results_$lang"
  xdotool key --window "$wid" Escape
  sleep 2
  xdotool key --window "$wid" t
  sleep 1
  shot "second_set_$lang"
  xdotool key --window "$wid" Return
  eleventh=$(translated "$lang" "$(sed -n 's/^name: //p' "$root"/data/levels/set2/11-*.qbl)")
  check "$lang: the second set's first level is named in the language ($eleventh)" \
    until_true 30 bash -c '[[ "$(LC_ALL=C.UTF-8 xprop -id "$1" -notype _NET_WM_NAME)" == *"11 · $2"* ]]' _ "$wid" "$eleventh"
  quit
  check "$lang: a quit with status 0 and no warning line ($game_status)" \
    test "$game_status" = 0 -a "$(grep -c '^[!*] ' "$run.out")" = 0
  check "$lang: the start-up lines stay English" grep -qx -- "- WELCOME TO QUORVEL BEES!!!" "$run.out"
done

# LANGUAGE comes before LANG, as in gettext; a language the game does not speak is English, unsaid.
run=$(new_run_dir language_first)
launch "$run" LANGUAGE=xx:ru LANG=de_DE.UTF-8
window || fatal "no window with LANGUAGE"
until_true 30 named "Quorvel Bees"
sleep 1
xdotool key --window "$wid" Return
check "LANGUAGE=xx:ru speaks Russian before LANG's German" \
  until_true 30 bash -c '[[ "$(LC_ALL=C.UTF-8 xprop -id "$1" -notype _NET_WM_NAME)" == *"1 · $2"* ]]' _ "$wid" "$(translated ru "First Flight")"
quit
run=$(new_run_dir unknown)
launch "$run" LANG=xx_YY.UTF-8
window || fatal "no window with an unknown language"
until_true 30 named "Quorvel Bees"
sleep 1
xdotool key --window "$wid" Return
check "an unknown language is English" until_true 30 named "Quorvel Bees — 1 · First Flight"
quit
check "an unknown language: no warning line" test "$(grep -c '^[!*] ' "$run.out")" = 0
finish
