# SPDX-License-Identifier: GPL-3.0-or-later
# An updater for a real server is built only with the publisher's keys or on purpose unsigned:
# configuring without either stops with a message naming both ways on.
#   cmake -DSOURCE=<checkout> -DWORK=<scratch folder> -DMINISIGN=<minisign> -P unsigned_configure.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(common -S "${SOURCE}" -G Ninja -DPLUGO_BUILD_TESTS=OFF -DPLUGO_BUILD_BENCH=OFF
  -DPLUGO_UPDATE_HOST=uppdatering.example.org)

execute_process(COMMAND ${CMAKE_COMMAND} ${common} -B "${WORK}/none"
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX REPLACE "[ \n]+" " " err "${err}")
if(result EQUAL 0 OR NOT err MATCHES "PLUGO_UPDATE_KEYS=" OR NOT err MATCHES "PLUGO_UNSIGNED_UPDATES=ON")
  message(FATAL_ERROR "configuring for a real host without keys did not stop as it should: ${result} ${err}")
endif()

execute_process(COMMAND "${MINISIGN}" -G -W -p "${WORK}/current.pub" -s "${WORK}/current.key"
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "minisign -G failed")
endif()
foreach(way "-DPLUGO_UPDATE_KEYS=${WORK}/current.pub" "-DPLUGO_UNSIGNED_UPDATES=ON")
  execute_process(COMMAND ${CMAKE_COMMAND} ${common} -B "${WORK}/with" "${way}"
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "configuring with ${way} failed: ${err}")
  endif()
  file(REMOVE_RECURSE "${WORK}/with")
endforeach()
file(REMOVE_RECURSE "${WORK}")
