#!/usr/bin/env bash
# Renders the application icon's PNG sizes for the hicolor theme from its SVG drawing
# (rsvg-convert, Debian package librsvg2-bin). The PNGs are committed; run this after changing
# the drawing.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "$size"
  rsvg-convert -w "$size" -h "$size" org.example.Vantrel.svg -o "$size/org.example.Vantrel.png"
done
