#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lays out a stand-in Windows build folder, BUILD/bin/ as the real Windows build makes it, but with
# small programs in place of plugo.exe, editor.exe and update.exe: each shows a window titled
# "plugo stand-in NAME build STAMP" until it is closed, and carries the program's real version
# record and icon. With it the installers can be made and tried without the Windows toolkit.
#
#   tools/windows/standin/make-standin.sh BUILD [STAMP]     (STAMP defaults to 1)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../../setup.sh
source "$here/../../setup.sh"
# shellcheck source=../files.sh
source "$here/../files.sh"

[ $# -ge 1 ] || { echo "usage: make-standin.sh BUILD [STAMP]" >&2; exit 2; }
build=$1
stamp=${2:-1}
[[ $stamp =~ ^[A-Za-z0-9.]+$ ]] || { echo "make-standin: STAMP is letters, digits and dots" >&2; exit 2; }
PLUGO_PACKAGES+=(gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
plugo_install_packages

mkdir -p "$build/bin" "$build/standin-objects"
# The resource scripts include the version header, as the build writes it (plugo/version.h).
cmake "-DPLUGO_VERSION_HEADER=$build/standin-objects/plugo/version.h" -P "$here/../version.cmake" >/dev/null
for program in "${PLUGO_WINDOWS_PROGRAMS[@]}"; do
  x86_64-w64-mingw32-windres -I "$PLUGO_ROOT/data/icons" -I "$build/standin-objects" "$PLUGO_ROOT/packaging/$program.rc" \
    -O coff -o "$build/standin-objects/$program-rc.o"
  x86_64-w64-mingw32-gcc-posix -O2 -Wall -Wextra -Werror -mwindows \
    "-DSTANDIN_NAME=\"$program\"" "-DSTANDIN_STAMP=\"$stamp\"" \
    "$here/standin.c" "$build/standin-objects/$program-rc.o" -o "$build/bin/$program.exe"
done
rm -rf "$build/standin-objects"
# What ships beside the programs, listed as the Windows build lists it (data/files.cmake).
cmake -DWIN32=ON -DPLUGO_DATA_LIST="$build/data-files.txt" -P "$PLUGO_ROOT/data/files.cmake"
while IFS= read -r name; do
  if [[ $name == dictionaries/* ]]; then
    continue  # laid out below, all at once, as the build does
  elif [[ $name == *.qm ]]; then
    # The toolkit's catalogue, the host's copy as the build takes it.
    cp "/usr/share/qt6/translations/$name" "$build/bin/"
  elif [ "$name" = LICENSE.txt ]; then
    sed 's/$/\r/' "$PLUGO_ROOT/LICENSE" >"$build/bin/$name"
  elif [ "$name" = THIRD-PARTY-NOTICES.txt ]; then
    # The stand-ins link nothing but the compiler's runtime; the installers need only the file.
    printf 'Stand-in programs for the installer test: no notices of their own.\r\n' >"$build/bin/$name"
  else
    cp "$PLUGO_ROOT/data/$name" "$build/bin/"
  fi
done <"$build/data-files.txt"
# The spelling dictionaries, as data/CMakeLists.txt lays them out for the Windows build.
mapfile -t codes < <(cmake -P "$PLUGO_ROOT/packaging/dictionaries.cmake" | sed -n 's|^dictionaries/\(.*\)\.aff$|\1|p')
python3 "$PLUGO_ROOT/tools/third-party.py" dictionaries --list "$PLUGO_ROOT/packaging/third-party.txt" \
  --out "$build/bin/dictionaries" --platform windows --codes "${codes[@]}"
