# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the project's version for the Windows package script, one name=value a line:
#   cmake -P tools/windows/version.cmake
# With -DPLUGO_VERSION_HEADER=PATH (before -P) it also writes the version header there, for the
# resource scripts compiled outside a CMake build (tools/windows/standin/make-standin.sh).
include(${CMAKE_CURRENT_LIST_DIR}/../../packaging/version.cmake)
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "PLUGO_VERSION_TEXT=${PLUGO_VERSION_TEXT}")
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "PLUGO_VERSION_QUAD=${PLUGO_VERSION_QUAD}")
if(PLUGO_VERSION_HEADER)
  plugo_write_version_header(${PLUGO_VERSION_HEADER})
endif()
