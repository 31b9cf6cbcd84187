#!/usr/bin/env bash
# Renders the application icon's PNG sizes for the hicolor theme from its SVG, and records the
# SVG's checksum so that the install check notices when the SVG changes and these are stale; and
# the picture buttons' PNGs, at the sizes the window shows them (16 and 32 pixels in the menus,
# 24 and 48 on the buttons, at one and two device pixels to the pixel). Run it after changing an
# SVG in src/mainwindow/icons, and commit what it writes.
#
# The PNGs are committed rather than rendered at build time: the icons rarely change, and so the
# build and the package need no SVG renderer (rsvg-convert, package librsvg2-bin) and always ship
# the same pixels. The window shows PNGs only, so it never loads an SVG renderer to start.
set -euo pipefail
cd "$(dirname "$0")"
svg=../../src/mainwindow/icons/tidemark.svg
app_id=com.example.Tidemark
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" "$svg" --output "hicolor/${size}x${size}/apps/$app_id.png"
done
(cd ../.. && sha256sum src/mainwindow/icons/tidemark.svg) >tidemark.svg.sha256
for picture in ../../src/mainwindow/icons/*.svg; do
  name=$(basename "$picture" .svg)
  [[ $name == tidemark ]] && continue
  for size in 16 24 32 48; do
    mkdir -p "../../src/mainwindow/icons/$size"
    rsvg-convert --width "$size" --height "$size" "$picture" --output "../../src/mainwindow/icons/$size/$name.png"
  done
done
