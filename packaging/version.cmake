# SPDX-License-Identifier: GPL-3.0-or-later
# The one version number of the programs and of every package made of them. The project is
# declared with it (CMakeLists.txt); the programs and their Windows resource scripts take it from
# the header written from version.h.in (plugo_write_version_header, below); the Linux packages
# take it from the build, and the Windows package scripts read it with `cmake -P`
# (tools/windows/version.cmake). A new release changes this line and nothing else.
set(PLUGO_VERSION 1.0)

# The version as the programs and packages show it: the minor number in two digits ("1.00").
string(REPLACE "." ";" plugo_version_parts "${PLUGO_VERSION}")
list(GET plugo_version_parts 0 PLUGO_VERSION_MAJOR)
list(GET plugo_version_parts 1 PLUGO_VERSION_MINOR)
if(PLUGO_VERSION_MINOR LESS 10)
  set(PLUGO_VERSION_TEXT "${PLUGO_VERSION_MAJOR}.0${PLUGO_VERSION_MINOR}")
else()
  set(PLUGO_VERSION_TEXT "${PLUGO_VERSION_MAJOR}.${PLUGO_VERSION_MINOR}")
endif()
# Four numbers, as Windows version records and Windows Installer want them.
set(PLUGO_VERSION_QUAD "${PLUGO_VERSION}.0.0")
unset(plugo_version_parts)

# Writes the header with the version for C++ and for the resource compiler to PATH
# (by convention <build>/generated/plugo/version.h, included as "plugo/version.h").
function(plugo_write_version_header path)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/version.h.in ${path} @ONLY)
endfunction()
