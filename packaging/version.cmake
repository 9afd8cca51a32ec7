# SPDX-License-Identifier: GPL-3.0-or-later
# The one version number of the programs and of every package made of them. The project is
# declared with it (CMakeLists.txt), and the Windows package script reads it with `cmake -P`
# (tools/windows/version.cmake), so that nothing else needs changing for a new release but the
# resource scripts, whose records the version-record test compares with it.
set(PLUGO_VERSION 1.0)

# The version as the programs and packages show it: the minor number in two digits ("1.00").
string(REPLACE "." ";" plugo_version_parts "${PLUGO_VERSION}")
list(GET plugo_version_parts 0 plugo_version_major)
list(GET plugo_version_parts 1 plugo_version_minor)
if(plugo_version_minor LESS 10)
  set(plugo_version_minor "0${plugo_version_minor}")
endif()
set(PLUGO_VERSION_TEXT "${plugo_version_major}.${plugo_version_minor}")
# Four numbers, as Windows version records and Windows Installer want them.
set(PLUGO_VERSION_QUAD "${PLUGO_VERSION}.0.0")
unset(plugo_version_parts)
unset(plugo_version_major)
unset(plugo_version_minor)
