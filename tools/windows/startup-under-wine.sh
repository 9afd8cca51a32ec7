#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# startup-under-wine.sh [rounds]: the time from starting the trainer to its first painted window,
# the Linux build beside the Windows build under Wine, on the same virtual display. Each round
# starts the four programs back to back (the trainer and the window with one label, of each
# build); the figures are medians of the rounds. Wine's server is kept running throughout, as it
# is on a desktop where any Windows program has run before.
# Run after ./run and ./run windows have built both (build/ and build-windows/).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
rounds=${1:-30}
linux=${PLUGO_BUILD:-$root/build}/bench
windows=${PLUGO_WINDOWS_BUILD:-$root/build-windows}/bench
prefix=${PLUGO_WINDOWS_BUILD:-$root/build-windows}/wine

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
# shellcheck source=wine-env.sh
source "$root/tools/windows/wine-env.sh"
plugo_wine_env "$prefix"
# The prefix made, its first server gone, then one server that stays for the whole run.
plugo_wine_server_start 300

# milliseconds <command...>: from start to the program's exit, which it does at its first paint.
milliseconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

declare -A times
names=(linux-trainer linux-label wine-trainer wine-label)
for ((round = 0; round < rounds; ++round)); do
  times[linux-trainer]+="$(milliseconds "$linux/bench_startup_trainer") "
  times[linux-label]+="$(milliseconds "$linux/bench_startup_label") "
  times[wine-trainer]+="$(milliseconds wine "$windows/bench_startup_trainer.exe") "
  times[wine-label]+="$(milliseconds wine "$windows/bench_startup_label.exe") "
done
plugo_wine_server_stop

median() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
best() { tr ' ' '\n' | grep -v '^$' | sort -n | head -n 1; }
printf 'first paint under Xvfb, %d rounds (ms)   median   best\n' "$rounds"
for name in "${names[@]}"; do
  printf '  %-36s %6s %6s\n' "$name" "$(median <<<"${times[$name]}")" "$(best <<<"${times[$name]}")"
done
