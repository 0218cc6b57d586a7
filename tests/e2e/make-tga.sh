#!/usr/bin/env bash
# Writes an uncompressed 24-bit Targa file, bottom row first as the format's default origin
# says, holding the picture of a PNG (or anything ImageMagick reads), byte for byte.
# Usage: tests/e2e/make-tga.sh PICTURE OUT.tga
set -euo pipefail
picture=$1 out=$2
read -r width height < <(identify -format '%w %h\n' "$picture")
le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8)))"; }
{
  printf '\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00'
  le16 "$width"; le16 "$height"
  printf '\x18\x00'
  convert "$picture" -flip -depth 8 bgr:-
} > "$out"
