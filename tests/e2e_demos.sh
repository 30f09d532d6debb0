#!/usr/bin/env bash
# Every level's demonstration, checked by the built game as a player would (--check-replay): each must end
# as it was recorded, down to the last bee and the scent. Any change to a rule or to the order of random
# draws shows here; when one is meant, the demonstrations are made anew (tools/make_demos).
# Usage: bash tests/e2e_demos.sh GAME REPO_ROOT
set -uo pipefail
game=$(realpath "$1")
root=$(realpath "$2")
source "$(dirname "$0")/script_lib.sh"

levels=$("$game" --level-table | wc -l)
check "a level table to count ($levels levels)" test "$levels" -ge 10
for n in $(seq 1 "$levels"); do
  demo="$root/data/demos/level$n.qbr"
  run=$(new_run_dir "level$n")
  (cd "$run" && exec "$game" --check-replay "$demo") >"$run.out" 2>&1
  status=$?
  check "level $n's demonstration: $(tail -n 1 "$run.out")" test "$status" = 0
done

# The second set's, each a play of its level file, found by the level's key.
set2=$(ls "$root"/data/levels/set2/*.qbl | wc -l)
check "a second set to check ($set2 levels)" test "$set2" -ge 10
for file in "$root"/data/levels/set2/*.qbl; do
  name=$(basename "$file" .qbl)
  run=$(new_run_dir "set2-$name")
  (cd "$run" && exec "$game" --check-replay "$root/data/demos/set2/$name.qbr") >"$run.out" 2>&1
  status=$?
  check "$name's demonstration: $(tail -n 1 "$run.out")" test "$status" = 0
done

# A demonstration of level 1 that says it is of level 2 is refused whole, never played.
run=$(new_run_dir other_level)
cp "$root/data/demos/level1.qbr" "$run/mixed.qbr"
printf '\x02' | dd of="$run/mixed.qbr" bs=1 seek=6 conv=notrunc status=none
(cd "$run" && exec "$game" --check-replay mixed.qbr) >"$run.out" 2>&1
status=$?
check "a demonstration given as another level's is refused: $(tail -n 1 "$run.out")" \
  test "$status" = 2 -a "$(grep -c '^\* check replay' "$run.out")" = 1
finish
