#!/usr/bin/env bash
# Builds Tidemark in Release (build-release/) and prints one table of its speed and memory, each
# figure beside the reference it is held against:
#
#   bench/run.sh              # every row
#
# Program and reference run alternately, 7 times each, and the table quotes medians. Wall times
# come from bash's EPOCHREALTIME around whole processes, peak memory from /usr/bin/time -v.
# Start-up runs on a virtual screen (Xvfb); scripts/deps.sh --bench installs what this needs.
# The machine should be quiet: another build running beside it shows in every figure.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-release
runs=7

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTIDEMARK_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target tidemark tidemark-chart tidemark_bench tidemark_paintprobe \
  tidemark_barewindow tidemark_previewbench >/dev/null

chart=$build/src/cli/tidemark-chart
tmp=$(mktemp -d)
xvfb=
cleanup() {
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

person=(--name "Pat Example" --birth 05-20-1990 --start 01-01-2000 --today 06-15-2025)
screen=("${person[@]}" --days 1000000 --spacing single --no-holidays)

# seconds COMMAND...: the wall time of a command, in seconds.
seconds() {
  local t0=$EPOCHREALTIME
  "$@"
  local t1=$EPOCHREALTIME
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.6f\n", b - a }'
}

# median VALUE...: the middle value.
median() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# peak FILE COMMAND...: runs the command with its peak resident size, in kB, written to FILE.
peak() {
  local file=$1
  shift
  /usr/bin/time -v -o "$file" "$@"
}
peak_mb() {
  awk -F': ' '/Maximum resident set size/ { printf "%.1f\n", $2 / 1024 }' "$1"
}

screen_chart() { "$chart" "${screen[@]}" | cat >/dev/null; }
cat_chart() { cat "$tmp/screen.txt" | cat >/dev/null; }
print_text() { "$chart" "${screen[@]}" --print-text | cat >/dev/null; }
# The seconds from the launch until the first form feed (the end of the first page) comes out of
# the pipe; the rest is read on to the end.
first_page() {
  local t0=$EPOCHREALTIME
  "$chart" "${screen[@]}" --print-text | {
    grep -q -m1 $'\f'
    echo "$EPOCHREALTIME" >"$tmp/first"
    cat >/dev/null
  }
  awk -v a="$t0" -v b="$(cat "$tmp/first")" 'BEGIN { printf "%.6f\n", b - a }'
}
laser_pdf() { "$chart" "${person[@]}" --days 10000 --pdf "$tmp/laser.pdf" "$@"; }

rows=()
# row WHAT FIGURE REFERENCE RATIO TARGET
row() { rows+=("$(printf '| %s | %s | %s | %s | %s |' "$@")"); }
commas() { sed ':a;s/\B[0-9]\{3\}\>/,&/;ta' <<<"$1"; }
secs() { awk -v s="$1" 'BEGIN { printf "%.3f s\n", s }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f\n", a / b }'; }

echo "Measuring (load average: $(cut -d' ' -f1-3 /proc/loadavg))..." >&2

# The screen chart against cat of the same bytes, both into the same pipe.
"$chart" "${screen[@]}" >"$tmp/screen.txt"
mb=$(awk -v s="$(stat -c %s "$tmp/screen.txt")" 'BEGIN { printf "%.0f", s / 1e6 }')
chart_s=() cat_s=() text_s=() text_mem=() first_s=()
for ((n = 0; n < runs; n++)); do
  chart_s+=("$(seconds screen_chart)")
  cat_s+=("$(seconds cat_chart)")
done
c=$(median "${chart_s[@]}")
r=$(median "${cat_s[@]}")
row "tidemark-chart, 1,000,000 days, single spacing, no holidays ($mb MB)" "$(secs "$c")" "$(secs "$r") (cat)" \
  "$(ratio "$c" "$r")×" "≤ 5×"

# Composition in the benchmark, against the days per second asked for.
for forecast in plain forecast; do
  rates=()
  for ((n = 0; n < runs; n++)); do
    rates+=("$("$build/bench/tidemark_bench" --rate 1000000 "$forecast")")
  done
  rate=$(median "${rates[@]}")
  want=$([[ $forecast == plain ]] && echo 10000000 || echo 5000000)
  row "chart composition, 1,000,000 days, $([[ $forecast == plain ]] && echo without || echo with) forecast" \
    "$(awk -v r="$rate" 'BEGIN { printf "%.1f M days/s", r / 1e6 }')" \
    "$(awk -v r="$want" 'BEGIN { printf "%.0f M days/s", r / 1e6 }')" "$(ratio "$rate" "$want")×" "≥ 1×"
done

# The printed text against the screen chart of the same days; its memory from separate runs.
chart_s=()
for ((n = 0; n < runs; n++)); do
  text_s+=("$(seconds print_text)")
  chart_s+=("$(seconds screen_chart)")
  first_s+=("$(first_page)")
  peak "$tmp/text.mem" "$chart" "${screen[@]}" --print-text >/dev/null
  text_mem+=("$(peak_mb "$tmp/text.mem")")
done
t=$(median "${text_s[@]}")
c=$(median "${chart_s[@]}")
row "tidemark-chart --print-text, 1,000,000 days" "$(secs "$t")" "$(secs "$c") (screen chart)" "$(ratio "$t" "$c")×" "≤ 2×"
f=$(median "${first_s[@]}")
row "--print-text, 1,000,000 days: first page out" "$(secs "$f")" "$(secs "$t") (whole run)" "$(ratio "$f" "$t")×" "at once"
m=$(median "${text_mem[@]}")
row "--print-text, 1,000,000 days: peak memory" "$m MB" "50 MB" "$(ratio "$m" 50)×" "≤ 1×"
# The longest chart the tool makes: from 1500 to the last years it can write.
peak "$tmp/long.mem" "$chart" --name "Pat Example" --birth 05-20-1990 --start 01-01-1500 --today 06-15-2025 \
  --days 3000000 --print-text >/dev/null
m=$(peak_mb "$tmp/long.mem")
row "--print-text, 3,000,000 days (one run): peak memory" "$m MB" "50 MB" "$(ratio "$m" 50)×" "≤ 1×"

# Laser PDFs against the times and size asked for.
pdf_s=()
for ((n = 0; n < runs; n++)); do
  pdf_s+=("$(seconds laser_pdf)")
done
p=$(median "${pdf_s[@]}")
laser=$p
row "laser PDF, 10,000 days, default options" "$(secs "$p")" "1.5 s" "$(ratio "$p" 1.5)×" "≤ 1×"
size=$(awk -v s="$(stat -c %s "$tmp/laser.pdf")" 'BEGIN { printf "%.2f", s / 1e6 }')
row "laser PDF, 10,000 days, default options: size ($(pdfinfo "$tmp/laser.pdf" 2>/dev/null |
  awk '/^Pages:/ { print $2 }') pages)" "$size MB" "2 MB" "$(ratio "$size" 2)×" "≤ 1×"
pdf_s=()
for ((n = 0; n < runs; n++)); do
  pdf_s+=("$(seconds laser_pdf --forecast)")
done
p=$(median "${pdf_s[@]}")
row "laser PDF, 10,000 days with forecast ($(pdfinfo "$tmp/laser.pdf" 2>/dev/null |
  awk '/^Pages:/ { print $2 }') pages)" "$(secs "$p")" "3 s" "$(ratio "$p" 3)×" "≤ 1×"

# The window's rows run on a virtual screen.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
xvfb=$!
until [[ -s $tmp/display ]]; do sleep 0.05; done
export DISPLAY=:$(head -n1 "$tmp/display") QT_QPA_PLATFORM=xcb

# Print Preview in the window on the virtual screen, from the command to the first page painted,
# against the laser PDF of 10,000 days above; then, once a million days are counted, pages turned
# to at random, each to its page painted (20 a run).
for days in 10000 1000000; do
  first_s=() turn_s=() slowest=0
  for ((n = 0; n < runs; n++)); do
    read -r first counted turn worst pages < <("$build/bench/tidemark_previewbench" "$days" 20 2>/dev/null)
    first_s+=("$first")
    turn_s+=("$turn")
    slowest=$(awk -v a="$slowest" -v b="$worst" 'BEGIN { print (b > a ? b : a) }')
  done
  f=$(median "${first_s[@]}")
  row "Print Preview, $(commas "$days") days: first page shown" "$(secs "$f")" \
    "$(secs "$laser") (laser PDF, 10,000 days)" "$(ratio "$f" "$laser")×" "≤ 0.3 s"
done
t=$(median "${turn_s[@]}")
row "Print Preview, 1,000,000 days ($(commas "$pages") pages): a page turned at random (slowest $(awk -v s="$slowest" 'BEGIN { printf "%.0f", s * 1000 }') ms)" \
  "$(secs "$t")" "0.050 s" "$(ratio "$t" 0.05)×" "≤ 50 ms"

# Start-up: launch to the first paint of the main window, against a bare window with one label,
# each with a fresh HOME.
# startup PROGRAM WINDOW-CLASS: the seconds from the launch to the first paint of that window.
startup() {
  local home
  home=$(mktemp -d -p "$tmp")
  local t0=$EPOCHREALTIME
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME="$home" \
    TIDEMARK_PROBE_CLASS="$2" TIDEMARK_PROBE_OUT="$home/painted" \
    LD_PRELOAD="$build/bench/libtidemark_paintprobe.so" "$1" >/dev/null 2>&1 || true
  awk -v a="$t0" -v b="$(cat "$home/painted")" 'BEGIN { printf "%.6f\n", b - a }'
  rm -rf "$home"
}
app_s=() bare_s=()
for ((n = 0; n < runs; n++)); do
  app_s+=("$(startup "$build/src/app/tidemark" MainWindow)")
  bare_s+=("$(startup "$build/bench/tidemark_barewindow" QLabel)")
done
a=$(median "${app_s[@]}")
b=$(median "${bare_s[@]}")
row "start-up to the first paint of the main window (Xvfb)" "$(secs "$a")" "$(secs "$b") (bare Qt window, one label)" \
  "$(ratio "$a" "$b")×" "≤ 1.2×"

echo "| What | Tidemark | Reference | Ratio | Target |"
echo "|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
echo
echo "Medians of $runs runs each, program and reference alternately; $(nproc) cores, load average" \
  "$(cut -d' ' -f1-3 /proc/loadavg) at the end."
