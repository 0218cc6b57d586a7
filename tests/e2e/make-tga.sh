#!/usr/bin/env bash
# Writes an uncompressed 24-bit Targa file, bottom row first as the format's default origin
# says, holding the picture of a PNG (or anything ImageMagick reads), byte for byte. ImageMagick
# decodes the picture; the file is written by vantrel-make-tga, the Targa writer the tests and
# benchmarks use, compiled here from its sources (about two seconds) unless $VANTREL_MAKE_TGA
# names a built one.
# Usage: tests/e2e/make-tga.sh PICTURE OUT.tga
set -euo pipefail
picture=$1 out=$2
tool="${VANTREL_MAKE_TGA:-}"
if [ -z "$tool" ]; then
  support="$(cd "$(dirname "$0")/../support" && pwd)"
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  tool="$work/vantrel-make-tga"
  c++ -std=c++20 -O1 -I"$support/.." -o "$tool" "$support/MakeTga.cpp" "$support/TargaWriter.cpp"
fi
read -r width height < <(identify -format '%w %h\n' "$picture")
convert "$picture" -depth 8 rgb:- | "$tool" "$width" "$height" "$out"
