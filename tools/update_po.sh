#!/usr/bin/env bash
# Extracts every message of the game (po/POTFILES) into the translators' template po/quorvel-bees.pot and
# merges it into each language's catalogue (po/LINGUAS), keeping what is translated; a message new or
# changed comes out untranslated or fuzzy for the translator to see. Needs gettext.
# With --check it changes nothing and fails unless the template holds today's messages and every language
# translates each of them, none fuzzy, msgfmt --check clean (the test suite runs it so).
# Usage: bash tools/update_po.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
pot=po/quorvel-bees.pot
checking=${1:-}
if [ "$checking" = --check ]; then
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  pot=$scratch/quorvel-bees.pot
fi
sources=$(grep -v '^#' po/POTFILES | grep '\.cpp$')
# N_ and NP_ mark the messages in src/texts.cpp; a level's name is mklevel's second argument.
xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=N_ --keyword=NP_:1,2 --keyword=C_:1c,2 --keyword=mklevel:2 \
  --add-comments=TRANSLATORS: --sort-by-file --package-name="Quorvel Bees" --msgid-bugs-address=quorvel-bees@example.org \
  --copyright-holder="The Quorvel Bees developers" -o "$pot.code" $sources
# The menu entry's and the software centre's words, by gettext's own rules for those files; the game's name
# stays as it is.
xgettext --from-code=UTF-8 --language=Desktop -k -kGenericName -kComment -kKeywords -o "$pot.desktop" packaging/quorvel-bees.desktop
xgettext --from-code=UTF-8 --its=/usr/share/gettext/its/metainfo.its -o "$pot.metainfo" packaging/org.example.quorvel_bees.metainfo.xml.in
# The second set's names and opening lines, from its level files.
python3 - "$pot.levels" data/levels/set2/*.qbl <<'PY'
import sys
out = open(sys.argv[1], "w", encoding="utf-8")
out.write('msgid ""\nmsgstr ""\n"Content-Type: text/plain; charset=UTF-8\\n"\n\n')
quote = lambda t: '"' + t.replace("\\", "\\\\").replace('"', '\\"') + '"'
for path in sys.argv[2:]:
    number = path.rsplit("/", 1)[1].split("-", 1)[0]
    for n, text in enumerate(open(path, encoding="utf-8").read().split("\n"), 1):
        for key, what in (("name: ", "name"), ("line: ", "opening line")):
            if text.startswith(key):
                out.write("#. TRANSLATORS: level %s's %s, in the second set\n#: %s:%d\nmsgid %s\nmsgstr \"\"\n\n"
                          % (number, what, path, n, quote(text[len(key):])))
PY
sed -i 's/charset=CHARSET/charset=UTF-8/' "$pot.code" "$pot.desktop" "$pot.metainfo"
msgcat --use-first --sort-by-file -o "$pot" "$pot.code" "$pot.levels" "$pot.desktop" "$pot.metainfo"
rm -f "$pot.code" "$pot.levels" "$pot.desktop" "$pot.metainfo"
if [ "$checking" = --check ]; then
  messages() { msgattrib --no-location --no-wrap --sort-output "$1" | grep -v '^"POT-Creation-Date'; }
  if ! diff <(messages "$pot") <(messages po/quorvel-bees.pot) >"$scratch/diff"; then
    echo "po/quorvel-bees.pot is not today's messages: run tools/update_po.sh"; head -n 20 "$scratch/diff"; exit 1
  fi
  status=0
  for lang in $(cat po/LINGUAS); do
    said=$(msgfmt --check --statistics -o /dev/null "po/$lang.po" 2>&1) || status=1
    echo "$lang: $said"
    case $said in *fuzzy*|*untranslated*) status=1 ;; esac
    msgcmp "po/$lang.po" po/quorvel-bees.pot 2>/dev/null || { echo "$lang: not merged with the template"; status=1; }
  done
  exit $status
fi
for lang in $(cat po/LINGUAS); do
  if [ -f "po/$lang.po" ]; then
    msgmerge --quiet --update --backup=none --no-fuzzy-matching "po/$lang.po" "$pot"
    msgattrib --no-obsolete -o "po/$lang.po" "po/$lang.po"
  else
    msginit --no-translator --locale="$lang.UTF-8" --input="$pot" --output-file="po/$lang.po"
  fi
done
echo "template: $(grep -c '^msgid ' "$pot") messages"
