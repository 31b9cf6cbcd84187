#!/usr/bin/env bash
# Installs the Debian packages Tidemark needs to build, run and test, when any is missing.
# Quick when everything is there: it only asks dpkg.
# With --test it adds what the tests need; with --bench, what bench/run.sh needs; with --lint,
# what scripts/lint.sh needs; with --a11y, what scripts/a11y-walk.sh needs.
set -euo pipefail

packages=(
  cmake g++ make
  qt6-base-dev                 # Qt 6 Widgets/PrintSupport/Test
  qt6-tools-dev qt6-l10n-tools # Qt6LinguistTools: lupdate and lrelease build the translations
  qt6-translations-l10n        # Qt's own texts in the languages Tidemark speaks
  fonts-liberation             # metric twins of Arial, Times and Courier New
  libical-dev pkgconf          # libical writes the calendar files; pkg-config finds it
)
if [[ "${1:-}" == "--test" ]]; then
  packages+=(
    cups cups-client printer-driver-cups-pdf # a real print queue (and lp) whose jobs land as PDF files
    poppler-utils                # pdfinfo/pdftotext to read the printed PDFs back
    desktop-file-utils appstream # desktop-file-validate and appstreamcli check the desktop files
    groff-base                   # groff checks the man page
    dpkg-dev file                # cpack's DEB generator: dpkg-shlibdeps finds the runtime libraries
    clang libclang-rt-14-dev     # the fuzz targets: clang, its sanitizers and libFuzzer
    qt6-base-private-dev         # the window tests turn Qt's accessibility on, as a screen reader does
  )
fi
if [[ "${1:-}" == "--bench" ]]; then
  packages+=(
    time                         # /usr/bin/time -v: the peak memory of each run
    xvfb                         # a virtual screen for the start-up time
    poppler-utils                # pdfinfo: the page count of the PDFs timed
    linux-perf                   # perf: where the time goes
  )
fi

if [[ "${1:-}" == "--lint" ]]; then
  packages+=(
    clang-tidy                   # the checks of .clang-tidy, run over src/ by scripts/lint.sh
  )
fi

if [[ "${1:-}" == "--a11y" ]]; then
  packages+=(
    xvfb x11-utils               # a virtual screen, and xdpyinfo to know it is up
    dbus                         # dbus-run-session: a session bus of the walk's own
    at-spi2-core                 # the accessibility bus and its registry
    python3-pyatspi              # Orca's way onto that bus
    orca                         # the screen reader whose speech the walk prints
    openbox                      # a window manager: the window gets the keyboard, Orca the active window
    xdotool                      # presses the walk's keys
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
