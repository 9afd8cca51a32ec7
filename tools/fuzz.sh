#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer) and
# runs each for a while on a copy of its seed corpus.
# Usage: tools/fuzz.sh [seconds per target, default 20] [target ...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
shift || true
build=$root/build-fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLUGO_SANITIZE=ON -DPLUGO_FUZZ=ON -DPLUGO_BUILD_TESTS=OFF -DPLUGO_BUILD_BENCH=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=()
  for dir in "$root"/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi
cmake --build "$build" --parallel --target "${targets[@]/#/fuzz_}"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=0
for target in "${targets[@]}"; do
  work=$build/work/$target
  mkdir -p "$work" "$build/findings/$target"
  cp -n "$root/fuzz/corpus/$target/"* "$work/" 2>/dev/null || true
  echo "== fuzz_$target for ${seconds}s"
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$target/" "$work" 2>&1 |
    grep -E '^(stat::number_of_executed_runs|stat::peak_rss_mb|==|SUMMARY|Done|INFO: Running with|.*(crash|timeout|leak|oom)-)' || true
  if [ "${PIPESTATUS[0]}" -ne 0 ]; then
    echo "fuzz_$target found a fault; its input is in $build/findings/$target/" >&2
    exit 1
  fi
done
