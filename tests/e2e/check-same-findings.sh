#!/usr/bin/env bash
# vantrel-check built for Linux and for Windows (under Wine), run on one synthetic mod and game
# with every command: the findings, the summaries and the files written must be the same, line
# for line and byte for byte, apart from the path separator. The mod holds names outside ASCII
# and the game's .big archives; the output is read both redirected to a file (UTF-8) and, for the
# Windows build, in a console (a pseudo-terminal, which Wine gives a console), where a name
# outside ASCII must show as it is. Files stay in OUT_DIR. Exits non-zero at the first difference.
# Needs the Windows build's Wine prefix in WINEPREFIX (scripts/with-wine-display sets it).
# Usage: tests/e2e/check-same-findings.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR [OUT_DIR]
set -euo pipefail
linux="$(cd "$1" && pwd)/bin/vantrel-check"
windows="$(cd "$2" && pwd)/bin/vantrel-check.exe"
out="${3:-$2/e2e-check-same-findings}"
[ -x "$linux" ] || { echo "no $linux" >&2; exit 1; }
[ -f "$windows" ] || { echo "no $windows" >&2; exit 1; }
: "${WINEPREFIX:?needs the Wine prefix of the Windows build}"
export WINEDEBUG=-all LC_ALL=C.UTF-8
rm -rf "$out"; mkdir -p "$out"; out="$(cd "$out" && pwd)"
fail() { echo "check-same-findings: FAILED: $*" >&2; exit 1; }

# Bytes from a list of numbers 0-255.
bytes() { local b; for b in "$@"; do printf "\\$(printf '%03o' "$b")"; done; }
le16() { bytes $(($1 & 255)) $(($1 >> 8 & 255)); }
le32() { bytes $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
be32() { bytes $(($1 >> 24 & 255)) $(($1 >> 16 & 255)) $(($1 >> 8 & 255)) $(($1 & 255)); }

# tga WIDTH HEIGHT DESCRIPTOR: an uncompressed 24-bit texture, every pixel its own colour.
# Descriptor 32 stores the top row first, 0 the bottom row first.
tga() {
  local w=$1 h=$2 x y
  bytes 0 0 2 0 0 0 0 0 0 0 0 0; le16 "$w"; le16 "$h"; bytes 24 "$3"
  for ((y = 0; y < h; y++)); do for ((x = 0; x < w; x++)); do
    bytes $((x * 7 + 3 & 255)) $((y * 11 + 5 & 255)) $((x * 3 + y * 5 & 255))
  done; done
}

# big OUT NAME FILE [NAME FILE...]: a .big archive as the game's reader takes it: "BIGF", the
# archive's size (little-endian), the entry count and the header's size (big-endian), then each
# entry's offset, size and zero-ended name, then the files.
big() {
  local target=$1; shift
  local names=() files=() header=16 i offset
  while [ $# -gt 0 ]; do names+=("$1"); files+=("$2"); header=$((header + 8 + ${#1} + 1)); shift 2; done
  local total=$header
  for i in "${!files[@]}"; do total=$((total + $(stat -c %s "${files[$i]}"))); done
  {
    printf BIGF; le32 "$total"; be32 "${#names[@]}"; be32 "$header"
    offset=$header
    for i in "${!names[@]}"; do
      be32 "$offset"; be32 "$(stat -c %s "${files[$i]}")"; printf '%s' "${names[$i]}"; bytes 0
      offset=$((offset + $(stat -c %s "${files[$i]}")))
    done
    cat "${files[@]}"
  } >"$target"
}

crlf() { sed 's/$/\r/'; }

tree="$out/tree"
mod="$tree/MyMod" game="$tree/ZeroHour"
ini="$mod/Data/INI/MappedImages/HandCreated"
mkdir -p "$ini" "$mod/Data/INI/MappedImages/TextureSize_512" "$mod/Art/Textures" "$mod/Data/English/Art/Textures" \
  "$game" "$out/parts"
tga 16 16 32 >"$mod/Art/Textures/Tanks.tga"
tga 8 8 32 >"$mod/Data/English/Art/Textures/Lang.tga"
tga 20 4 0 >"$mod/Art/Textures/STRIP.TGA"  # rows of 60 bytes, bottom row first
crlf >"$ini/Tänks Ωmega.ini" <<'INI'
; a mod's cameos
MappedImage Tank1
  Texture = Tanks.tga
  TextureWidth = 16
  TextureHeight = 16
  Coords = Left:0 Top:0 Right:8 Bottom:8
  Status = NONE
End
MappedImage TANK1
  texture = tanks.tga
  Coords = Left:4 Top:4 Right:20 Bottom:12
End
MappedImage Strip
  Texture = strip.tga
  TextureWidth = 20
  TextureHeight = 4
  Coords = Left:0 Top:0 Right:8 Bottom:4
  Status = ROTATED_90_CLOCKWISE
End
MappedImage Lost
  Texture = Gone.tga
  TextureWidth = 64
  TextureHeight = 64
  Coords = Left:0 Top:0 Right:100 Bottom:10
End
MappedImage Language
  Texture = Lang.tga
  TextureWidth = 16
  TextureHeight = 16
  Coords = Left:0 Top:0 Right:8 Bottom:8
End
MappedImage Retail
  Texture = Retail.tga
  TextureWidth = 16
  TextureHeight = 16
  Coords = Left:2 Top:2 Right:10 Bottom:7
End
INI
crlf >"$mod/Data/INI/MappedImages/TextureSize_512/Small.ini" <<'INI'
MappedImage
INI
crlf >"$out/parts/SCCameos.INI" <<'INI'
MappedImage Tank1
 Texture = Retail.tga
 TextureWidth = 16
 TextureHeight = 16
 Coords = Left:0 Top:0 Right:16 Bottom:16
End
INI
tga 16 16 32 >"$out/parts/Retail.tga"
big "$game/INIZH.big" 'Data\INI\MappedImages\TextureSize_512\SCCameos.INI' "$out/parts/SCCameos.INI"
big "$game/TexturesZH.big" 'Art\Textures\Retail.tga' "$out/parts/Retail.tga"
printf 'BIGF\001\002' >"$game/AudioZH.big"  # damaged
# A mod shipped as an archive only, and a folder that is no mod.
mkdir -p "$tree/Shipped" "$tree/Notes"
big "$tree/Shipped/Shipped.big" 'Data\INI\MappedImages\HandCreated\Tanks.ini' "$out/parts/SCCameos.INI"
echo notes >"$tree/Notes/readme.txt"

# Each run from the tree, with relative paths, so the two differ only in the separator.
runs=(
  "lint MyMod"
  "lint MyMod --game ZeroHour"
  "lint MyMod/Data/INI/MappedImages"
  "lint Shipped"
  "lint Shipped/Shipped.big --game ZeroHour"
  "lint Notes"
  "crop MyMod/Data/INI/MappedImages/HandCreated/Tänks Ωmega.ini --game ZeroHour --out @/cut"
  "sheet MyMod/Data/INI/MappedImages/HandCreated/Tänks Ωmega.ini --game ZeroHour -o @/sheet.png"
  "render MyMod/Art/Textures/STRIP.TGA -o @/strip.png"
)
compared=0
for run in "${runs[@]}"; do
  # The words of a run, the INI file's name kept whole; @ is each build's own output folder.
  read -r -a words <<<"${run/Tänks Ωmega.ini/Tänks_Ωmega.ini}"
  words=("${words[@]/Tänks_Ωmega.ini/Tänks Ωmega.ini}")
  for side in linux windows; do
    mkdir -p "$out/$side"
    args=("${words[@]/@/../$side}")
    if [ "$side" = linux ]; then
      (cd "$tree" && "$linux" "${args[@]}" >"$out/$side/out.txt" 2>"$out/$side/err.txt") && status=0 || status=$?
    else
      (cd "$tree" && wine "$windows" "${args[@]}" >"$out/$side/out.txt" 2>"$out/$side/err.txt") && status=0 || status=$?
    fi
    echo "$status" >"$out/$side/status.txt"
    # Wine shows the Linux file system as drive Z:.
    tr '\\' / <"$out/$side/out.txt" | sed -e 's#Z:/#/#g' -e "s#\.\./$side/#../@/#g" >"$out/$side/out.cmp"
    tr '\\' / <"$out/$side/err.txt" | sed -e 's#Z:/#/#g' -e "s#\.\./$side/#../@/#g" >"$out/$side/err.cmp"
  done
  for part in status.txt out.cmp err.cmp; do
    diff -u "$out/linux/$part" "$out/windows/$part" >"$out/diff.txt" || fail "vantrel-check $run: $part differs:
$(cat "$out/diff.txt")"
  done
  compared=$((compared + $(wc -l <"$out/linux/out.txt") + $(wc -l <"$out/linux/err.txt")))
  echo "check-same-findings: vantrel-check $run: the same (status $(cat "$out/linux/status.txt"), $(wc -l <"$out/linux/out.txt") + $(wc -l <"$out/linux/err.txt") lines)"
done
# The pictures, byte for byte.
for picture in cut/Tank1.png cut/TANK1.png cut/Strip.png cut/Language.png cut/Retail.png sheet.png strip.png; do
  [ -f "$out/linux/$picture" ] || continue
  cmp -s "$out/linux/$picture" "$out/windows/$picture" || fail "$picture differs"
  compared=$((compared + 1))
done
ls "$out/linux/cut" >"$out/linux.pictures"; ls "$out/windows/cut" >"$out/windows.pictures"
diff -u "$out/linux.pictures" "$out/windows.pictures" || fail "crop wrote other files"

# In a console the name outside ASCII shows as it is (through WriteConsoleW), not as '?'.
console="$(cd "$tree" && script -qec "stty cols 4000; wine '$windows' lint MyMod" /dev/null | tr -d '\r' | \
  sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g')" || true
grep -q 'MyMod\\Data\\INI\\MappedImages\\HandCreated\\Tänks Ωmega.ini:' <<<"$console" ||
  fail "the console does not show the file's name: $console"
echo "check-same-findings: the same findings, summaries and pictures ($compared lines and files); a name outside ASCII shows as it is in a console"
