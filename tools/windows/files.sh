# SPDX-License-Identifier: GPL-3.0-or-later
# What the Windows packages hold and need; sourced by package.sh, the stand-ins and the tests of
# the installers after tools/setup.sh.

PLUGO_WINDOWS_PROGRAMS=(plugo editor update)

# Debian's packages that make the installers: NSIS for the .exe installers, wixl (msitools) for the
# MSI, osslsigncode for signing, the MinGW binutils for stripping the programs.
PLUGO_WINDOWS_PACKAGING_PACKAGES=(nsis wixl osslsigncode binutils-mingw-w64-x86-64)

# plugo_windows_data BUILD: sets data to the files that ship beside the programs, one path under
# the program folder each, as the build's CMake listed them in BUILD/data-files.txt
# (data/files.cmake); a name with a folder (dictionaries/README) lies in that folder of bin/ and of
# the program folder. And data_folders to those folders (dictionaries), the deeper first, which the
# installation makes and the uninstallers remove. Fails when BUILD has no list.
plugo_windows_data() {
  local list=$1/data-files.txt
  if [ ! -f "$list" ]; then
    echo "$list is missing: the build folder lists the files that ship once CMake has configured it" >&2
    return 1
  fi
  mapfile -t data < <(LC_ALL=C sort "$list")
  # shellcheck disable=SC2034 # for the caller
  mapfile -t data_folders < <(printf '%s\n' "${data[@]}" | sed -n 's|/[^/]*$||p' | LC_ALL=C sort -ru)
}

# plugo_windows_strip PROGRAM OUTPUT: a stripped copy of a Windows program. Stripping writes the
# time of the strip into the program's header unless told another; this keeps the time the
# program was linked, so the same program always strips to the same bytes.
plugo_windows_strip() {
  local header linked
  header=$(od -A n -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  linked=$(od -A n -t u4 -j $((header + 8)) -N 4 "$1" | tr -d ' ')
  SOURCE_DATE_EPOCH=$linked x86_64-w64-mingw32-strip --strip-unneeded -o "$2" "$1"
}
