# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The checks of the test scripts (tools/package-test.sh and the Windows ones); sourced. A failed
# check is said and counted, and the script goes on, so that one run shows every failure; the
# summary at the end fails the script when any did.
#
#   ok                              a check that passed
#   fail DESCRIPTION                a check that failed: "FAIL: DESCRIPTION" on standard error
#   expect DESCRIPTION COMMAND...   a check: runs the command, ok when it succeeds, else fail
#   must DESCRIPTION COMMAND...     a step the rest needs, not a check: runs the command, and when
#                                   it fails dies with "DESCRIPTION; the script stops here"
#   die DESCRIPTION                 a fatal stop: "FAIL: DESCRIPTION" on standard error, exit 1
#   checks_end LINE [FAILED-LINE]   the summary: LINE on standard output, or FAILED-LINE (when
#                                   given) on standard error when a check failed; ends the script,
#                                   with 1 when a check failed
#
# $checks and $failures count them, for the summary line.

checks=0
failures=0

ok() { checks=$((checks + 1)); }

fail() {
  checks=$((checks + 1))
  failures=$((failures + 1))
  echo "FAIL: $*" >&2
}

expect() {
  local what=$1
  shift
  if "$@"; then ok; else fail "$what"; fi
}

die() {
  echo "FAIL: $*" >&2
  exit 1
}

must() {
  local what=$1
  shift
  "$@" || die "$what; the script stops here"
}

checks_end() {
  if [ "$failures" -ne 0 ] && [ $# -ge 2 ]; then
    echo "$2" >&2
  else
    echo "$1"
  fi
  [ "$failures" -eq 0 ] || exit 1
  exit 0
}
