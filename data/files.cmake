# SPDX-License-Identifier: GPL-3.0-or-later
# The files that ship beside the programs, named once, here: the pictures, pages and sample
# vocabularies of data/ (the patterns below: named from the source folder, so that nothing a
# program wrote into bin/, its report, settings or a vocabulary of one's own, ever ships), the
# toolkit's Swedish catalogue (the Windows build only), the licence and the third-party notices
# (packaging/notices.cmake writes them) and the spelling dictionaries in dictionaries/
# (packaging/dictionaries.cmake).
#
# Included by the top CMakeLists.txt. data/CMakeLists.txt copies the files into bin/ and writes
# their list into the build folder, data-files.txt: one path under the program folder a line
# (dictionaries/README lies in that folder), sorted, which the package scripts and their tests
# read (tools/windows/files.sh, tools/package-test.sh). For a program folder laid out without a
# build (the Windows stand-ins, tools/windows/standin), the same list of a Windows build:
#
#   cmake -DWIN32=ON -DPLUGO_DATA_LIST=<file> -P data/files.cmake

if(CMAKE_SCRIPT_MODE_FILE)
  set(plugo_glob_options "")
else()
  # A data file added or removed configures the build again.
  set(plugo_glob_options CONFIGURE_DEPENDS)
endif()
file(GLOB PLUGO_DATA_FILES LIST_DIRECTORIES false ${plugo_glob_options}
  ${CMAKE_CURRENT_LIST_DIR}/*.gif
  ${CMAKE_CURRENT_LIST_DIR}/*.bmp
  ${CMAKE_CURRENT_LIST_DIR}/*.html
  ${CMAKE_CURRENT_LIST_DIR}/*.gls
)
set(PLUGO_CATALOGUE_FILE qt_sv.qm)
set(PLUGO_LICENCE_FILE LICENSE.txt)
set(PLUGO_NOTICES_FILE THIRD-PARTY-NOTICES.txt)
include(${CMAKE_CURRENT_LIST_DIR}/../packaging/dictionaries.cmake)

# plugo_write_data_list(FILE): the list of the files above, as this build ships them.
function(plugo_write_data_list file)
  set(names "")
  foreach(path ${PLUGO_DATA_FILES})
    get_filename_component(name ${path} NAME)
    list(APPEND names ${name})
  endforeach()
  if(WIN32)
    list(APPEND names ${PLUGO_CATALOGUE_FILE})
  endif()
  list(APPEND names ${PLUGO_LICENCE_FILE} ${PLUGO_NOTICES_FILE})
  foreach(name ${PLUGO_DICTIONARY_FILES})
    list(APPEND names dictionaries/${name})
  endforeach()
  list(SORT names)
  list(JOIN names "\n" text)
  file(WRITE ${file} "${text}\n")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  if(NOT PLUGO_DATA_LIST)
    message(FATAL_ERROR "usage: cmake [-DWIN32=ON] -DPLUGO_DATA_LIST=<file> -P data/files.cmake")
  endif()
  plugo_write_data_list(${PLUGO_DATA_LIST})
endif()
