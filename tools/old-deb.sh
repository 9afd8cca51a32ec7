#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the path of the last Debian package that installed the program folder under /opt/plugo,
# building it once from the project's own history when it is not there yet, so that the package
# test can install it and upgrade it to the package of this checkout.
#
# Usage: tools/old-deb.sh [folder]     (default: build-old-deb/; the package is kept there)
# PLUGO_OLD_DEB=FILE names a package made elsewhere instead.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

# The last commit whose package laid the program folder out under /opt/plugo.
commit=74bfdff
if [ -n "${PLUGO_OLD_DEB:-}" ]; then
  echo "$PLUGO_OLD_DEB"
  exit 0
fi
folder=${1:-$PLUGO_ROOT/build-old-deb}
deb=$folder/plugo_1.00_opt-plugo_$commit.deb
if [ -f "$deb" ]; then
  echo "$deb"
  exit 0
fi
if ! git -C "$PLUGO_ROOT" cat-file -e "$commit^{commit}" 2>/dev/null; then
  echo "old-deb: commit $commit is not in this clone (a shallow clone?); fetch the history or set PLUGO_OLD_DEB" >&2
  exit 1
fi
echo "old-deb: building the /opt/plugo package of commit $commit once, into $folder (a few minutes)" >&2
rm -rf "$folder/src" "$folder/build"
mkdir -p "$folder/src"
git -C "$PLUGO_ROOT" archive "$commit" | tar -x -C "$folder/src"
log=$folder/build.log
# Only the programs: no tests, no benchmarks, no tools beyond what packaging needs.
if ! { cmake -S "$folder/src" -B "$folder/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DPLUGO_BUILD_TESTS=OFF -DPLUGO_BUILD_BENCH=OFF &&
  cmake --build "$folder/build" --parallel "${PLUGO_JOBS:-2}" --target plugo update editor plugo_data &&
  (cd "$folder/build" && cpack -G DEB --config CPackConfig.cmake); } >"$log" 2>&1; then
  tail -n 30 "$log" >&2
  echo "old-deb: building the package of $commit failed (log: $log)" >&2
  exit 1
fi
cp "$folder/build/packages/plugo_1.00_$(dpkg --print-architecture).deb" "$deb.part"
mv "$deb.part" "$deb"
rm -rf "$folder/src" "$folder/build"
echo "$deb"
