# SPDX-License-Identifier: GPL-3.0-or-later
# The spelling dictionaries that ship in a "dictionaries" folder beside the programs, in the
# program folder, the .tar.gz and the Windows installers: the editor finds them there where the
# system has none (Windows always). tools/third-party.py copies each from the host's
# /usr/share/hunspell under its code, with the copyright file of the Debian package it came from,
# and writes a README naming them; packaging/third-party.txt names each package and licence. The
# Debian package ships no copies: it recommends Debian's packages of them.
#
# Included by data/files.cmake; `cmake -P packaging/dictionaries.cmake` prints the files, one
# path under the program folder a line, in the order of the codes above, for the scripts that
# need them without a build (tools/package-test.sh, tools/windows/standin).
set(PLUGO_DICTIONARIES sv_SE en_US en_GB de_DE fr_FR es_ES)
set(PLUGO_DICTIONARY_FILES README)
foreach(code ${PLUGO_DICTIONARIES})
  list(APPEND PLUGO_DICTIONARY_FILES ${code}.aff ${code}.dic ${code}.copyright)
endforeach()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  foreach(name ${PLUGO_DICTIONARY_FILES})
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "dictionaries/${name}")
  endforeach()
endif()
