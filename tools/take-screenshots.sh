#!/usr/bin/env bash
# Pictures of the windows for the README, taken under a virtual X server.
# Usage: tools/take-screenshots.sh [output folder]   (default: docs/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs}
build=${PLUGO_BUILD:-$root/build}
cmake --build "$build" --target plugo_screenshots plugo_data >/dev/null
xvfb-run -a -s "-screen 0 1280x800x24" "$build/tools/plugo_screenshots" "$out"
