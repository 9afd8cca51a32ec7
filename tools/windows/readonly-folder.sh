#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# readonly-folder.sh make|remove <folder> [files to put in it...]
# A program folder that a Windows program under Wine cannot write, for the tests, as a locked-down
# "C:\Program Files" is: Wine takes the folder's permissions from this file system, and Windows'
# own read-only mark means nothing on a folder. Root ignores permissions, so as root the folder is
# a read-only bind mount of itself; for anyone else its permissions say read-only.
set -euo pipefail
what=$1
folder=$2
shift 2

case "$what" in
  make)
    "$0" remove "$folder"
    mkdir -p "$folder"
    [ $# -gt 0 ] && cp -- "$@" "$folder/"
    if [ "$(id -u)" -eq 0 ]; then
      if mount --bind "$folder" "$folder" 2>/dev/null; then
        mount -o remount,ro,bind "$folder" 2>/dev/null || true
      fi
    else
      chmod a-w "$folder"
    fi
    # The test that uses the folder skips, saying so, where it stayed writable (root without the
    # right to mount).
    if touch "$folder/.probe" 2>/dev/null; then
      rm -f "$folder/.probe"
      echo "readonly-folder: $folder could not be made read-only here" >&2
    fi
    ;;
  remove)
    if mountpoint -q "$folder" 2>/dev/null; then
      umount "$folder" || umount -l "$folder"
    fi
    [ -d "$folder" ] && chmod u+w "$folder"
    rm -rf "$folder"
    ;;
  *)
    echo "usage: readonly-folder.sh make|remove <folder> [files...]" >&2
    exit 2
    ;;
esac
