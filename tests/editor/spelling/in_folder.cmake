# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the tests of PROGRAM that FILTER names from FOLDER, a copy of PROGRAM with the DICTIONARIES
# folder beside it, under EMULATOR; fails when a test fails or when any skips for want of a
# dictionary.
file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}")
file(COPY "${PROGRAM}" DESTINATION "${FOLDER}")
file(COPY "${DICTIONARIES}" DESTINATION "${FOLDER}")
get_filename_component(name "${PROGRAM}" NAME)
execute_process(COMMAND ${EMULATOR} "${FOLDER}/${name}" "--gtest_filter=${FILTER}"
  WORKING_DIRECTORY "${FOLDER}" RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the spelling tests failed in ${FOLDER}")
endif()
if(output MATCHES "SKIPPED")
  message(FATAL_ERROR "a spelling test skipped in ${FOLDER}: the dictionaries were not found or not opened")
endif()
