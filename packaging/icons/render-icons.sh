#!/usr/bin/env bash
# Renders the application icon's PNG sizes for the hicolor theme from its SVG, and records the
# SVG's checksum so that the install check notices when the SVG changes and these are stale.
# Run it after changing src/mainwindow/icons/tidemark.svg, and commit what it writes.
#
# The PNGs are committed rather than rendered at build time: the icon rarely changes, and so the
# build and the package need no SVG renderer (rsvg-convert, package librsvg2-bin) and always ship
# the same pixels.
set -euo pipefail
cd "$(dirname "$0")"
svg=../../src/mainwindow/icons/tidemark.svg
app_id=com.example.Tidemark
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" "$svg" --output "hicolor/${size}x${size}/apps/$app_id.png"
done
(cd ../.. && sha256sum src/mainwindow/icons/tidemark.svg) >tidemark.svg.sha256
