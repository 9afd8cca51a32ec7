#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the two feedback pictures that ship beside the trainer:
#   data/smiling.gif  a friendly smiling face, shown after a right answer
#   data/argtant.gif  a cross face, shown after a wrong answer
#
# Each face is drawn as SVG (48 x 48 units), rendered eight times too large and averaged down, so its
# edges come out smooth. A GIF has only on/off transparency, so the half-covered edge pixels are
# blended with the light grey of a desktop window and the corners around the face stay transparent.
#
# Needs librsvg2-bin (rsvg-convert) and imagemagick. Run from anywhere: tools/draw-pictures.sh
set -eu

CONVERT=/usr/bin/convert   # the real ImageMagick, not a wrapper that may sit earlier in PATH
SIZE=48                    # the picture box of the main window is 732 twips, just under 49 pixels
BIG=384                    # drawing size: SIZE times 8
MATTE='#f0f0f0'            # the window colour the edges are blended with

root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/data

for tool in "$CONVERT" rsvg-convert; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is missing: apt-get install imagemagick librsvg2-bin" >&2
    exit 1
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# picture <svg file> <gif file>
picture() {
  rsvg-convert --width $BIG --height $BIG --background-color none -o "$work/big.png" "$1"
  # Average each 8 x 8 block into one pixel.
  "$CONVERT" "$work/big.png" -filter Box -resize ${SIZE}x${SIZE} "$work/small.png"
  # Colours: blended with the window grey. Transparency: only where almost nothing is drawn.
  "$CONVERT" "$work/small.png" -background "$MATTE" -alpha remove -alpha off "$work/flat.png"
  "$CONVERT" "$work/small.png" -alpha extract -threshold 8% "$work/mask.png"
  "$CONVERT" "$work/flat.png" "$work/mask.png" -alpha off -compose CopyOpacity -composite \
    +dither -colors 255 "$2"
}

# The round head both faces share: shaded from <light> at the upper left to <dark>, an outline and a
# soft gloss. head <light> <dark> <outline>
head() {
  cat <<EOF
<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
  <defs>
    <radialGradient id="skin" cx="18.5" cy="16" r="33" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="$1"/>
      <stop offset="1" stop-color="$2"/>
    </radialGradient>
    <radialGradient id="gloss" cx="18" cy="11.5" r="9" gradientUnits="userSpaceOnUse"
                    gradientTransform="translate(18 11.5) scale(1 0.55) translate(-18 -11.5)">
      <stop offset="0" stop-color="#ffffff" stop-opacity="0.65"/>
      <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
    </radialGradient>
  </defs>
  <circle cx="24" cy="24" r="22.1" fill="url(#skin)" stroke="$3" stroke-width="1.5"/>
  <ellipse cx="18" cy="11.5" rx="9" ry="5" fill="url(#gloss)"/>
EOF
}

# Right answer: a yellow face with rosy cheeks, bright eyes and a broad open smile.
{
  head '#fff7a8' '#f2b000' '#b47a00'
  cat <<'EOF'
  <g fill="#ff6e6e" opacity="0.4">
    <ellipse cx="11.5" cy="28.5" rx="3.8" ry="2.4"/>
    <ellipse cx="36.5" cy="28.5" rx="3.8" ry="2.4"/>
  </g>
  <g fill="#4a2a00">
    <ellipse cx="17.3" cy="18.5" rx="2.6" ry="4"/>
    <ellipse cx="30.7" cy="18.5" rx="2.6" ry="4"/>
  </g>
  <g fill="#ffffff">
    <circle cx="18.1" cy="16.9" r="1.1"/>
    <circle cx="31.5" cy="16.9" r="1.1"/>
  </g>
  <clipPath id="mouth">
    <path d="M 13.2 27 Q 24 30.5 34.8 27 Q 33.5 38.6 24 38.6 Q 14.5 38.6 13.2 27 Z"/>
  </clipPath>
  <path d="M 13.2 27 Q 24 30.5 34.8 27 Q 33.5 38.6 24 38.6 Q 14.5 38.6 13.2 27 Z"
        fill="#4a2a00" stroke="#4a2a00" stroke-width="1.2" stroke-linejoin="round"/>
  <ellipse cx="24" cy="37.6" rx="5.5" ry="3" fill="#e85a5a" clip-path="url(#mouth)"/>
</svg>
EOF
} >"$work/smiling.svg"

# Wrong answer: a red face with lowered brows and a frown; cross, not frightening.
{
  head '#ffc2a8' '#e2432a' '#9c2612'
  cat <<'EOF'
  <g fill="none" stroke="#4a1306" stroke-width="2.8" stroke-linecap="round">
    <path d="M 11.5 13.5 L 20.5 17.5"/>
    <path d="M 36.5 13.5 L 27.5 17.5"/>
    <path d="M 15.5 36.5 Q 24 28.5 32.5 36.5"/>
  </g>
  <g fill="#4a1306">
    <ellipse cx="17.5" cy="22.5" rx="2.4" ry="3"/>
    <ellipse cx="30.5" cy="22.5" rx="2.4" ry="3"/>
  </g>
  <g fill="#ffffff">
    <circle cx="18.2" cy="21.3" r="0.9"/>
    <circle cx="31.2" cy="21.3" r="0.9"/>
  </g>
</svg>
EOF
} >"$work/argtant.svg"

picture "$work/smiling.svg" "$out/smiling.gif"
picture "$work/argtant.svg" "$out/argtant.gif"

echo "Wrote $out/smiling.gif and $out/argtant.gif"
