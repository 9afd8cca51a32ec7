#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the program icon: a blue word card with a white "Å" in front of a yellow one, and a green
# tick for a word that is known.
#
#   data/icons/plugo.svg                 the scalable drawing
#   data/icons/plugo-<size>.png          16, 24, 32, 48, 64, 128 and 256 pixels
#   data/icons/plugo.ico                 16, 24, 32 and 48 pixels, for the Windows programs
#
# The large sizes are rendered from plugo.svg. The three small ones have drawings of their own: at
# 32 and 24 pixels the same design with every straight edge on a pixel boundary and the back card
# upright, at 16 pixels a pixel-by-pixel drawing, because a scaled-down drawing turns to mush there.
#
# Needs librsvg2-bin (rsvg-convert) and imagemagick. Run from anywhere: tools/draw-icon.sh
set -eu

CONVERT=/usr/bin/convert   # the real ImageMagick, not a wrapper that may sit earlier in PATH

root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/data/icons

for tool in "$CONVERT" rsvg-convert; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is missing: apt-get install imagemagick librsvg2-bin" >&2
    exit 1
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# Colours shared by every size.
CARD_TOP='#4d9fe6' CARD_BOTTOM='#1f5fa6' CARD_EDGE='#17497f'
BACK_TOP='#ffe082' BACK_BOTTOM='#f5b300' BACK_EDGE='#b98500'
TICK_TOP='#5cc46a' TICK_BOTTOM='#23903a'

# defs: the gradients every drawing uses.
defs() {
  cat <<EOF
  <defs>
    <linearGradient id="card" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="$CARD_TOP"/>
      <stop offset="1" stop-color="$CARD_BOTTOM"/>
    </linearGradient>
    <linearGradient id="back" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="$BACK_TOP"/>
      <stop offset="1" stop-color="$BACK_BOTTOM"/>
    </linearGradient>
    <linearGradient id="badge" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="$TICK_TOP"/>
      <stop offset="1" stop-color="$TICK_BOTTOM"/>
    </linearGradient>
  </defs>
EOF
}

# The scalable drawing, 256 units square.
{
  echo '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">'
  echo '  <title>Plugo</title>'
  defs
  cat <<EOF
  <rect x="80" y="10" width="162" height="200" rx="22" fill="url(#back)" stroke="$BACK_EDGE"
        stroke-width="6" transform="rotate(9 161 110)"/>
  <rect x="17" y="22" width="170" height="216" rx="22" fill="url(#card)" stroke="$CARD_EDGE"
        stroke-width="6"/>
  <path fill="#ffffff" fill-rule="evenodd"
        d="M 40 212 L 88 90 H 118 L 166 212 H 136 L 125 184 H 81 L 70 212 Z M 91.5 160 H 114.5 L 103 129 Z"/>
  <circle cx="103" cy="58" r="16" fill="none" stroke="#ffffff" stroke-width="11"/>
  <circle cx="198" cy="198" r="48" fill="url(#badge)" stroke="#ffffff" stroke-width="8"/>
  <path d="M 174 198 L 192 216 L 223 181" fill="none" stroke="#ffffff" stroke-width="16"
        stroke-linecap="round" stroke-linejoin="round"/>
</svg>
EOF
} >"$out/plugo.svg"

# 32 pixels: edges on the pixel grid.
{
  echo '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">'
  defs
  cat <<EOF
  <rect x="11.5" y="0.5" width="20" height="24" rx="3" fill="url(#back)" stroke="$BACK_EDGE"/>
  <rect x="0.5" y="3.5" width="23" height="28" rx="3" fill="url(#card)" stroke="$CARD_EDGE"/>
  <path fill="#ffffff" fill-rule="evenodd"
        d="M 4 28 L 10 12 H 14 L 20 28 H 16 L 14.9 25 H 9.1 L 8 28 Z M 10.25 22 H 13.75 L 12 17.3 Z"/>
  <circle cx="12" cy="7.5" r="2.25" fill="none" stroke="#ffffff" stroke-width="1.5"/>
  <circle cx="25.5" cy="25.5" r="5.75" fill="url(#badge)" stroke="#ffffff" stroke-width="1"/>
  <path d="M 22.6 25.6 L 24.6 27.6 L 28.4 23.3" fill="none" stroke="#ffffff" stroke-width="2"
        stroke-linecap="round" stroke-linejoin="round"/>
</svg>
EOF
} >"$work/plugo-32.svg"

# 24 pixels: edges on the pixel grid.
{
  echo '<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">'
  defs
  cat <<EOF
  <rect x="8.5" y="0.5" width="15" height="18" rx="2" fill="url(#back)" stroke="$BACK_EDGE"/>
  <rect x="0.5" y="2.5" width="17" height="21" rx="2" fill="url(#card)" stroke="$CARD_EDGE"/>
  <path fill="#ffffff" fill-rule="evenodd"
        d="M 3 21 L 7.5 9 H 10.5 L 15 21 H 12 L 11.1 18.5 H 6.9 L 6 21 Z M 7.7 16.5 H 10.3 L 9 13 Z"/>
  <circle cx="9" cy="6" r="1.5" fill="none" stroke="#ffffff" stroke-width="1"/>
  <circle cx="19" cy="19" r="4.5" fill="url(#badge)" stroke="#ffffff" stroke-width="1"/>
  <path d="M 16.7 19 L 18.3 20.6 L 21.3 17.3" fill="none" stroke="#ffffff" stroke-width="1.7"
        stroke-linecap="round" stroke-linejoin="round"/>
</svg>
EOF
} >"$work/plugo-24.svg"

# 16 pixels, drawn pixel by pixel. b/1-E: the blue card, edge and shading from top to bottom;
# o/Y: the yellow card; W/w: the letter and its half-covered pixels; g/G/H: the tick badge.
cat >"$work/plugo-16.xpm" <<'EOF'
/* XPM */
static char *plugo_16[] = {
"16 16 22 1",
". c None",
"o c #b98500",
"Y c #ffd54f",
"b c #17497f",
"W c #ffffff",
"w c #b3d3f1",
"g c #1d7a31",
"G c #2e9e44",
"H c #4cb85c",
"1 c #4d9fe6",
"2 c #499ae1",
"3 c #4594db",
"4 c #428fd6",
"5 c #3e8ad1",
"6 c #3a84cb",
"7 c #367fc6",
"8 c #327ac1",
"9 c #2e74bb",
"A c #2a6fb6",
"C c #276ab1",
"D c #2364ab",
"E c #1f5fa6",
"......ooooooooo.",
".bbbbbbbbbbYYYYo",
"b111wWWw111bYYYo",
"b222W22W222bYYYo",
"b333wWWw333bYYYo",
"b4444444444bYYYo",
"b555wWWw555bYYYo",
"b666WWWW666bYYYo",
"b77wWWWWw77bYYYo",
"b88WW88WW88gggYo",
"b99WW99WW9gHHHWo",
"bAwWWWWWWgHHHWGg",
"bCWWCCCCWgWGWGGg",
"bDWWDDDDWgGWGGGg",
"bEEEEEEEEEgGGGg.",
".bbbbbbbbbbggg..",
};
EOF

# PNG files: 8-bit colour with alpha, no time stamps, so an unchanged drawing gives unchanged bytes.
png() { # <source> <size> <target>
  case $1 in
    *.svg) rsvg-convert --width "$2" --height "$2" -o "$work/raw.png" "$1" ;;
    *) "$CONVERT" "$1" "$work/raw.png" ;;
  esac
  "$CONVERT" "$work/raw.png" -strip -define png:exclude-chunks=date,time \
    -define png:color-type=6 -define png:bit-depth=8 "PNG32:$3"
}

png "$work/plugo-16.xpm" 16 "$out/plugo-16.png"
png "$work/plugo-24.svg" 24 "$out/plugo-24.png"
png "$work/plugo-32.svg" 32 "$out/plugo-32.png"
for size in 48 64 128 256; do
  png "$out/plugo.svg" "$size" "$out/plugo-$size.png"
done

# The Windows icon holds the four sizes a window, its task bar button and Explorer ask for.
"$CONVERT" "$out/plugo-16.png" "$out/plugo-24.png" "$out/plugo-32.png" "$out/plugo-48.png" \
  "$out/plugo.ico"

echo "Wrote $out: plugo.svg, plugo-{16,24,32,48,64,128,256}.png, plugo.ico"
