#!/usr/bin/env bash
# Walks Tidemark with the keyboard alone while the Orca screen reader listens, and prints what
# Orca says at each step (the SPEECH OUTPUT lines of its debug log). A tool for people checking
# what a blind user hears; it is not part of the tests.
#
#   scripts/deps.sh --a11y                  # once: Xvfb, a session D-Bus, the AT-SPI bus, Orca, openbox
#   scripts/a11y-walk.sh [build/src/app/tidemark]
#
# It starts its own virtual screen, session bus, accessibility bus, window manager, Orca (with
# --debug-file) and Tidemark, all in a fresh home folder, and ends each of them when it is done.
# A walk takes about two and a half minutes: Orca logs every event, and each step is given three
# seconds.
# WALK_KEEP=1 keeps the folder (Orca's whole debug log, Tidemark's output) and prints its name.
set -euo pipefail

app=$(realpath "${1:-build/src/app/tidemark}")
[[ -x "$app" ]] || { echo "no program at $app: build first, or name it" >&2; exit 2; }
for tool in Xvfb dbus-run-session openbox orca xdotool xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/deps.sh --a11y" >&2; exit 2; }
done

# The rest runs inside a private session bus, which ends with it.
if [[ -z "${WALK_IN_SESSION:-}" ]]; then
  exec env WALK_IN_SESSION=1 dbus-run-session -- "$0" "$app"
fi

home=$(mktemp -d /tmp/tidemark-a11y.XXXXXX)
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache
export XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" "$home/orca"
chmod 700 "$XDG_RUNTIME_DIR"
log=$home/orca-debug.out
pids=()
finish() {
  local pid
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  if [[ -n "${WALK_KEEP:-}" ]]; then echo "(kept $home)"; else rm -rf "$home"; fi
}
trap finish EXIT

display=$((400 + RANDOM % 200))
Xvfb ":$display" -screen 0 1366x768x24 -nolisten tcp >"$home/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# The accessibility bus, on which Orca and Tidemark meet; its registry starts on demand.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$home/atspi.log" 2>&1 &
pids+=($!)
sleep 1
# A window manager gives the window the keyboard and tells Orca which window is active.
openbox >"$home/openbox.log" 2>&1 &
pids+=($!)
# Orca with its own (default) preferences, logging everything it says.
orca --replace --user-prefs "$home/orca" --debug-file "$log" >"$home/orca.log" 2>&1 &
pids+=($!)
# It is ready within a second; its log shows nothing before it ends (see report below).
sleep 3
kill -0 "${pids[3]}" 2>/dev/null || { echo "Orca did not start; see $home/orca.log" >&2; WALK_KEEP=1; exit 1; }

tidemark=""
start_tidemark() {
  # Qt talks to the accessibility bus at once, as it would once Orca runs at login.
  (cd "$home" && exec env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app") >"$home/tidemark.log" 2>&1 &
  tidemark=$!
  pids+=("$tidemark")
  local window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$tidemark" 2>/dev/null | tail -n 1 || true)
    [[ -n "$window" ]] && break
    sleep 0.2
  done
  [[ -n "$window" ]] || { echo "Tidemark's window did not appear; see $home/tidemark.log" >&2; WALK_KEEP=1; exit 1; }
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
}

# Each step notes when it began; once Orca has ended (and written out its log, which it keeps in a
# buffer until then), each SPEECH OUTPUT line is printed under the step during which Orca said it.
# Orca's echo of each key pressed is left out. Orca logs every event, so it takes a second or two
# over each step: WALK_PAUSE (seconds, 3 by default) is the time each step is given.
pause=${WALK_PAUSE:-3}
steps=$home/steps.tsv
: >"$steps"
step() { # step "what the user does" command...
  printf '%s\t%s\n' "$(date +%H:%M:%S.%6N)" "$1" >>"$steps"
  shift
  "$@"
  sleep "$pause"
}
keys() { xdotool key --delay 150 "$@"; }
typing() { xdotool type --delay 100 "$1"; sleep "$(( ${#1} / 4 ))"; }
report() {
  awk -F '\t' '
    FNR == NR { start[++n] = $1; title[n] = $2; next }
    /SPEECH OUTPUT: / {
      time = $0; sub(/ .*/, "", time)
      text = $0; sub(/^.*SPEECH OUTPUT: \047/, "", text)
      # What Orca says ends in a quote followed by the voice; a key echo has a blank before it.
      if (!match(text, /\047( voice=[a-z]+)?\{/)) next
      text = substr(text, 1, RSTART - 1)
      for (i = n; i > 0 && time < start[i]; i--) {}
      if (i > 0) said[i] = said[i] "    " text "\n"
    }
    END { for (i = 1; i <= n; i++) printf "== %s\n%s", title[i], said[i] }
  ' "$steps" "$log"
}

step "Tidemark starts: the start-up notice has the keyboard" start_tidemark
step "Escape dismisses the notice; the cursor is in Name" keys Escape
step "type a name" typing "Pat Example"
step "Tab to Birthdate" keys Tab
step "type the birthdate: the facts are announced" typing "05-20-1990"
step "Tab to the sign (a read-only result box)" keys Tab
step "Tab to the weekday" keys Tab
step "Tab to the age in days" keys Tab
step "Tab to the age in years" keys Tab
step "Tab to Chart Starts" keys Tab
step "Tab to Length of Chart in Days, type 30" keys Tab 3 0
step "Tab to the ending date" keys Tab
step "Tab to << Reset" keys Tab
step "Ctrl+D: Display Chart to Screen" keys ctrl+d
step "Down: the next line of the chart" keys Down
step "Escape closes the chart" keys Escape
step "Ctrl+G: Display Graph to Screen" keys ctrl+g
step "Right: the day cursor moves a day" keys Right
step "Right again" keys Right
step "Left" keys Left
step "Plus: zoom in about the cursor, the new range is told" keys plus
step "End: the view and the cursor go to the last day" keys End
step "Page Up: a page back" keys Prior
step "Shift+F10: the graph's context menu" keys shift+F10
step "Escape closes the menu, Escape closes the graph" keys Escape Escape
step "Ctrl+O: the name database" keys ctrl+o
step "type a name" typing "Pat Example"
step "Tab to the birthdate box, type it, Enter: the name is added, the cursor back in Name" \
  keys Tab 0 5 2 0 1 9 9 0 Return
step "Tab three times: the name list and its one name" keys Tab Tab Tab
step "Enter: the name goes to the form, the database closes" keys Return
step "Alt+H, W: What Is A Biorhythm?" keys alt+h w
step "Escape closes it" keys Escape
step "F1: the help topics and the first one" keys F1
step "Down: the next topic" keys Down
step "Tab to the topic's text" keys Tab
step "Shift+Tab twice: the close button" keys shift+Tab shift+Tab
step "Escape closes help" keys Escape
step "Ctrl+Q exits" keys ctrl+q
for _ in $(seq 20); do kill -0 "$tidemark" 2>/dev/null || break; sleep 0.5; done
kill -0 "$tidemark" 2>/dev/null && echo "(Tidemark did not exit on Ctrl+Q; ended it)"
# Orca writes out the rest of its log as it ends (and may need to be told twice).
kill "${pids[3]}" 2>/dev/null || true
for _ in $(seq 20); do kill -0 "${pids[3]}" 2>/dev/null || break; sleep 0.5; done
kill -KILL "${pids[3]}" 2>/dev/null || true
wait "${pids[3]}" 2>/dev/null || true
report
