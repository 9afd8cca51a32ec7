# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build, for ./run windows and ./test windows. Sourced after tools/setup.sh.
# The programs are cross-built with MinGW-w64 against the toolkit that tools/windows/toolkit.sh
# keeps in the cache, and run under Wine.

PLUGO_WINDOWS_BUILD=${PLUGO_WINDOWS_BUILD:-$PLUGO_ROOT/build-windows}
PLUGO_WINDOWS_TOOLKIT=$PLUGO_ROOT/tools/windows/toolkit.sh
# shellcheck source=wine-env.sh
source "$PLUGO_ROOT/tools/windows/wine-env.sh"

# True when the toolkit is built and cached, so the Windows leg costs minutes, not an hour.
plugo_windows_cached() {
  "$PLUGO_WINDOWS_TOOLKIT" --cached >/dev/null 2>&1
}

# plugo_windows_build [cmake options...]: the toolkit when missing, then the programs, tests and
# tools for Windows into $PLUGO_WINDOWS_BUILD (the programs and data files in bin/).
plugo_windows_build() {
  local prefixes
  prefixes=$("$PLUGO_WINDOWS_TOOLKIT") || return 1
  prefixes=$(printf '%s' "$prefixes" | paste -sd ';')
  cmake -S "$PLUGO_ROOT" -B "$PLUGO_WINDOWS_BUILD" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$PLUGO_ROOT/tools/windows/mingw-w64-x86_64.cmake" \
    -DPLUGO_WINDOWS_PREFIXES="$prefixes" \
    -DQT_HOST_PATH=/usr \
    -DCMAKE_BUILD_TYPE=Release \
    -DPLUGO_BUILD_BENCH=ON \
    "$@" >/dev/null &&
    cmake --build "$PLUGO_WINDOWS_BUILD" --parallel
}

# plugo_wine <program.exe> [arguments...]: runs a program of the build under Wine, in the build's
# own Wine prefix.
plugo_wine() {
  "$PLUGO_ROOT/tools/windows/wine-run" "$PLUGO_WINDOWS_BUILD/wine" "$@"
}

# plugo_windows_tests: the Windows leg of the suite, every test program under Wine.
plugo_windows_tests() {
  local jobs status=0
  jobs=$(nproc 2>/dev/null || echo 2)
  plugo_wine_env "$PLUGO_WINDOWS_BUILD/wine"
  # The prefix is made once, before tests start in parallel, and one Wine server serves them all.
  plugo_wine_server_start 60 || true
  # Wine's own services start with the first program on a server; not with the tests' first ones.
  plugo_wine cmd /c exit 0 >/dev/null 2>&1 || true
  ctest --test-dir "$PLUGO_WINDOWS_BUILD" --output-on-failure --parallel "$jobs" || status=$?
  plugo_wine_server_stop
  return "$status"
}

# plugo_windows_package: the installers, from the built program folder, into
# $PLUGO_WINDOWS_BUILD/packages.
plugo_windows_package() {
  "$PLUGO_ROOT/tools/windows/package.sh" "$PLUGO_WINDOWS_BUILD"
}
