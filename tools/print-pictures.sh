#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the editor's printed layouts for the README: a sample vocabulary printed to PDF, and
# the first page of each (and the flashcards' back) as PNG.
# Usage: tools/print-pictures.sh [output folder]   (default: docs/)
# Needs poppler-utils (pdftoppm). The build folder is $PLUGO_BUILD, or build/.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs}
build=${PLUGO_BUILD:-$root/build}

if ! command -v pdftoppm >/dev/null 2>&1; then
  echo "pdftoppm is missing: apt-get install poppler-utils" >&2
  exit 1
fi
cmake --build "$build" --target plugo_print_samples >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
# A sanitised build's leak checker would count the font library's caches.
XDG_RUNTIME_DIR=$work/runtime LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=0 \
  "$build/tools/plugo_print_samples" "$work/pdf"

mkdir -p "$out"
# picture <pdf> <page> <png name without .png>
picture() {
  pdftoppm -png -r 60 -f "$2" -l "$2" -singlefile "$work/pdf/$1" "$out/$3"
  echo "$out/$3.png"
}
picture gloslista.pdf 1 print-gloslista
picture forhor.pdf 1 print-forhor
picture gloskort.pdf 1 print-gloskort
picture gloskort.pdf 2 print-gloskort-baksida
