# SPDX-License-Identifier: GPL-3.0-or-later
# What the Windows packages hold and need; sourced by package.sh and installer-test.sh after
# tools/setup.sh (which sets PLUGO_ROOT).

PLUGO_WINDOWS_PROGRAMS=(plugo editor update)

# Debian's packages that make the installers: NSIS for the .exe installers, wixl (msitools) for the
# MSI, osslsigncode for signing, the MinGW binutils for stripping the programs.
PLUGO_WINDOWS_PACKAGING_PACKAGES=(nsis wixl osslsigncode binutils-mingw-w64-x86-64)

# The toolkit's Swedish catalogue: Windows has no system Qt to read it from, so the Windows build
# puts the host's copy (qt6-translations-l10n) beside the programs.
PLUGO_WINDOWS_CATALOGUE=qt_sv.qm
PLUGO_WINDOWS_CATALOGUE_SOURCE=/usr/share/qt6/translations/$PLUGO_WINDOWS_CATALOGUE

# The licence and the third-party notices, which the build writes beside the programs
# (packaging/notices.cmake).
PLUGO_WINDOWS_NOTICES=(LICENSE.txt THIRD-PARTY-NOTICES.txt)

# The spelling dictionaries with their licences and README, in dictionaries/ beside the programs:
# the files packaging/dictionaries.cmake names, which the build lays out in bin/dictionaries.
plugo_windows_dictionary_files() {
  cmake -P "$PLUGO_ROOT/packaging/dictionaries.cmake"
}

# The data files that ship beside the programs: those data/CMakeLists.txt copies into bin/ (the
# same patterns), named from the source folder so that nothing a program wrote into bin/ (its
# report, settings, a vocabulary of one's own) ever ships; the catalogue; the licence and notices;
# the dictionaries. A name with a folder (dictionaries/README) lies in that folder of bin/ and of
# the program folder.
plugo_windows_data_files() {
  { (cd "$PLUGO_ROOT/data" && find . -maxdepth 1 -type f \( -name '*.gif' -o -name '*.bmp' -o -name '*.html' -o -name '*.gls' \) \
    -printf '%f\n'); echo "$PLUGO_WINDOWS_CATALOGUE"; printf '%s\n' "${PLUGO_WINDOWS_NOTICES[@]}"
    plugo_windows_dictionary_files; } | LC_ALL=C sort
}

# The folders of the program folder that data files lie in (dictionaries), one a line, the deeper first.
plugo_windows_data_folders() {
  plugo_windows_data_files | sed -n 's|/[^/]*$||p' | LC_ALL=C sort -ru
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
