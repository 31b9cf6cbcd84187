#!/usr/bin/env bash
# Records what tidemark-chart prints for a few hundred varied charts, cover sheets and printed
# pages, so that a change meant to keep every output the same can be checked:
#
#   scripts/record-outputs.sh build/src/cli/tidemark-chart /tmp/before
#   ... change the code, rebuild ...
#   scripts/record-outputs.sh build/src/cli/tidemark-chart /tmp/after
#   diff -r /tmp/before /tmp/after && echo "every output is the same"
#
# Text output is kept byte for byte. A PDF differs on every run (its creation date), so it is
# kept as its page count, page size and words with their boxes (pdfinfo, pdftotext -bbox).
set -euo pipefail

chart=$(realpath "$1")
out=$2
rm -rf "$out"
mkdir -p "$out"
# The same environment on every run: no screen, and a runtime folder of its own.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

names=("Pat Example" "ann lee" "O'Brien, Jo" "Zoë Adams" "Straße Groß" "X"
       "A Very Long Name That Runs Past The Middle Of The Title Line Of The Page")
births=(05-20-1990 03-15-1963 02-29-2000 12-31-1899 01-01-1500 07-04-2099 02-30-1990 11-22-1977
        06-13-2024 10-10-1010)
starts=(05-20-2025 01-01-2025 12-25-1999 02-28-1900 03-01-2000 12-31-2099 09-13-2024 05-19-1990)
lengths=(0 1 2 7 30 45 100 366)
spacings=(single double lines)
today=06-15-2025

# A fixed walk through the combinations: case n takes the n-th entry of each list, modulo its
# length, with a multiplier per list so that the combinations mix.
pick() { # pick N MULT ARRAY...
  local n=$1 mult=$2
  shift 2
  local a=("$@")
  echo "${a[$(((n * mult + n / 7) % ${#a[@]}))]}"
}

run() { # run FILE ARGS...: standard output, standard error and the exit status
  local file=$1
  shift
  local status=0
  "$chart" --today "$today" "$@" >"$file.out" 2>"$file.err" || status=$?
  echo "$status" >"$file.status"
}

for n in $(seq 0 239); do
  name=$(pick "$n" 1 "${names[@]}")
  birth=$(pick "$n" 3 "${births[@]}")
  start=$(pick "$n" 5 "${starts[@]}")
  days=$(pick "$n" 7 "${lengths[@]}")
  spacing=$(pick "$n" 11 "${spacings[@]}")
  args=(--name "$name" --birth "$birth" --start "$start" --days "$days" --spacing "$spacing")
  ((n % 3 == 0)) && args+=(--forecast)
  ((n % 4 == 1)) && args+=(--no-holidays)
  case $((n % 4)) in
  0 | 1) run "$out/screen-$n" "${args[@]}" ;;
  2)
    what=$(pick "$n" 13 chart cover both)
    lpp=$(pick "$n" 17 50 5 9 66 8 "")
    extra=()
    [[ -n $lpp ]] && extra+=(--lines-per-page "$lpp")
    ((n % 5 == 0)) && extra+=(--no-date-each-page)
    ((n % 6 == 2)) && extra+=(--lead-in "This Chart Was Prepared By:" --heading "Your Name" --heading "")
    run "$out/text-$n" "${args[@]}" --print-text --what "$what" "${extra[@]}"
    ;;
  3)
    # Fewer PDFs: they take longer.
    if ((n % 8 == 3)); then
      what=$(pick "$n" 13 chart cover both)
      printer=$(pick "$n" 19 laser matrix)
      font=$(pick "$n" 23 Arial Times Courier)
      extra=(--printer "$printer" --font "$font")
      ((n % 16 == 3)) && extra+=(--no-color)
      pdf="$out/pdf-$n.pdf"
      run "$out/pdf-$n" "${args[@]}" --pdf "$pdf" --what "$what" "${extra[@]}"
      for f in "$out"/pdf-"$n"*.pdf; do
        [[ -e $f ]] || continue
        {
          pdfinfo "$f" | grep -E '^(Pages|Page size):'
          pdftotext -bbox "$f" - | grep -E '<(page|word)'
        } >"${f%.pdf}.layout"
        rm -f "$f"
      done
    else
      run "$out/screen-$n" "${args[@]}"
    fi
    ;;
  esac
done
echo "recorded $(find "$out" -name '*.status' | wc -l) runs in $out"
