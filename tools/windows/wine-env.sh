# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The Wine environment that every script here runs Windows programs in, and its clean-up; sourced.
# Wine runs quietly (no debug channels unless WINEDEBUG names some) and never offers to install
# Mono or Gecko, which no program here needs.
#
#   plugo_wine_env PREFIX           Wine in the prefix PREFIX, for this shell and what it starts
#   plugo_wine_scratch NAME         a scratch folder /tmp/NAME.XXXXXX, in $scratch, with a 64-bit
#                                   prefix of its own in it; when the script ends, the steps named
#                                   in plugo_wine_cleanup_steps run, Wine's server is stopped and
#                                   the folder removed
#   plugo_wine_boot                 makes the prefix as Wine does, and waits for its server to end
#   plugo_wine_ready                makes the prefix as the build's is made (tools/windows/wine-run:
#                                   Wine's fonts in it), and waits for its server to end
#   plugo_wine_server_start SECONDS the prefix ready, then one Wine server that stays while programs
#                                   come and go, until SECONDS after the last has ended
#   plugo_wine_server_stop          stops Wine's server and every program of the prefix

plugo_wine_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
plugo_wine_cleanup_steps=()

plugo_wine_env() {
  export WINEPREFIX=$1
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
}

plugo_wine_scratch() {
  scratch=$(mktemp -d "/tmp/$1.XXXXXX")
  plugo_wine_env "$scratch/wine"
  export WINEARCH=win64
  trap plugo_wine_cleanup EXIT
}

plugo_wine_cleanup() {
  local step
  for step in "${plugo_wine_cleanup_steps[@]}"; do
    "$step" || true
  done
  plugo_wine_server_stop >/dev/null 2>&1
  rm -rf "$scratch"
}

plugo_wine_boot() {
  wineboot -i >/dev/null 2>&1
  wineserver -w
}

plugo_wine_ready() {
  "$plugo_wine_tools/wine-run" "$WINEPREFIX" cmd /c exit 0 >/dev/null 2>&1 || true
  wineserver --wait || true
}

plugo_wine_server_start() {
  plugo_wine_ready
  wineserver --persistent="$1"
}

plugo_wine_server_stop() {
  wineserver --kill || true
}
