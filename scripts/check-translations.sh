#!/usr/bin/env bash
# Keeps the translations in step with the code: lupdate reads the texts of the window (and the
# libraries' marked texts) into a copy of each translations/*.ts, and the check fails when the copy
# differs from the file (a text added, changed or gone) or a translation is left unfinished.
#
#   scripts/check-translations.sh            # check (the test command runs this)
#   scripts/check-translations.sh --update   # write the new texts into translations/*.ts
#   scripts/check-translations.sh --update CODE   # make or update translations/tidemark_CODE.ts
#
# The sources are those src/language/CMakeLists.txt hands to lupdate: all of src/ but the command
# line, the program's main and the language loader.
set -euo pipefail
cd "$(dirname "$0")/.."
# lupdate 6.4 can hang on some template calls inside translate(); a stuck run fails the check.
lupdate=(timeout 120 /usr/lib/qt6/bin/lupdate)
mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h' | grep -Ev '^src/(cli|app|language)/' | sort)
options=(-no-obsolete -locations none -I src)

if [[ ${1:-} == --update ]]; then
  shift
  if (($#)); then
    # A new language: its file is made with the plural forms the language has.
    for code in "$@"; do
      "${lupdate[@]}" "${options[@]}" -target-language "$code" "${sources[@]}" -ts "translations/tidemark_$code.ts"
    done
  else
    "${lupdate[@]}" "${options[@]}" "${sources[@]}" -ts translations/*.ts
  fi
  exit
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for ts in translations/*.ts; do
  copy=$tmp/$(basename "$ts")
  cp "$ts" "$copy"
  "${lupdate[@]}" -silent "${options[@]}" "${sources[@]}" -ts "$copy"
  if ! diff -u "$ts" "$copy" >"$tmp/diff"; then
    echo "$ts is out of step with the code: run scripts/check-translations.sh --update and translate" \
      "what it adds (lines with + are new or changed texts, lines with - texts no longer in the code):"
    grep -E '^[-+] *<source>' "$tmp/diff" || head -40 "$tmp/diff"
    status=1
  fi
  unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
  if ((unfinished)); then
    echo "$ts: $unfinished translations are unfinished:"
    awk '/<source>/ { source = $0 } /type="unfinished"/ { print source }' "$ts" | head -20
    status=1
  fi
done
((status == 0)) && echo "Translations in step with the code: $(ls translations/*.ts | wc -l) languages," \
  "$(grep -c '<message' translations/tidemark_de.ts) texts each, all finished."
exit "$status"
