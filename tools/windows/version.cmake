# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the project's version for the Windows package script, one name=value a line:
#   cmake -P tools/windows/version.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../packaging/version.cmake)
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "PLUGO_VERSION_TEXT=${PLUGO_VERSION_TEXT}")
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "PLUGO_VERSION_QUAD=${PLUGO_VERSION_QUAD}")
