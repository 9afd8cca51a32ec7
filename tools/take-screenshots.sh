#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the windows for the README, taken under a virtual X server.
# Usage: tools/take-screenshots.sh [output folder]   (default: docs/)
#        tools/take-screenshots.sh --windows [output folder]: the Windows build under Wine, saved as
#        windows-*.png (the drill, the updater after a check, the editor)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = --windows ]; then
  out=${2:-$root/docs}
  build=${PLUGO_WINDOWS_BUILD:-$root/build-windows}
  cmake --build "$build" --target plugo_screenshots update_screenshots editor_screenshots plugo_data >/dev/null
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  for program in plugo_screenshots update_screenshots editor_screenshots; do
    (cd "$build/tools" && xvfb-run -a -s "-screen 0 1280x800x24" \
      "$root/tools/windows/wine-run" "$build/wine" "./$program.exe" "Z:$scratch") >/dev/null 2>&1
  done
  mkdir -p "$out"
  for shot in trainer-drill updater-check editor; do
    cp "$scratch/$shot.png" "$out/windows-$shot.png"
    echo "$out/windows-$shot.png"
  done
  exit 0
fi
out=${1:-$root/docs}
build=${PLUGO_BUILD:-$root/build}
cmake --build "$build" --target plugo_screenshots update_screenshots editor_screenshots plugo_data >/dev/null
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1280x800x24" "$build/tools/plugo_screenshots" "$out"
xvfb-run -a -s "-screen 0 1280x800x24" "$build/tools/update_screenshots" "$out"
# Under the plain C locale, as on a machine without a Swedish one: the save dialog must still be Swedish.
LC_ALL=C.UTF-8 LANG=C.UTF-8 LANGUAGE= xvfb-run -a -s "-screen 0 1280x800x24" "$build/tools/editor_screenshots" "$out"

# The finished drill's report as a browser shows it, when Chromium is at hand.
if command -v chromium >/dev/null 2>&1; then
  chromium --headless --no-sandbox --disable-gpu --disable-background-networking --disable-component-update \
    --disable-sync --no-first-run --hide-scrollbars --user-data-dir="$(mktemp -d)" --window-size=800,700 \
    --screenshot="$out/trainer-report.png" "file://$out/latest_practice.html" >/dev/null 2>&1 &&
    echo "$out/trainer-report.png"
fi
rm -f "$out/latest_practice.html"
