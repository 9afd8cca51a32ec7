# SPDX-License-Identifier: GPL-3.0-or-later
# The licence and the third-party notices beside the programs, and the Debian package's copyright
# file and changelog, all written at build time from packaging/third-party.txt by
# tools/third-party.py. Included by packaging/CMakeLists.txt once PLUGO_PROGRAMS is known.

find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(PLUGO_MAINTAINER "Plugo <maintainers@users.noreply.c-seed-b04f41f3.example>" CACHE STRING
  "Maintainer named in the packages, their changelog and copyright file")
set(PLUGO_SOURCE_URL "" CACHE STRING
  "Where the corresponding source of a release is published (named in the notices)")

set(plugo_third_party_list ${CMAKE_SOURCE_DIR}/packaging/third-party.txt)
set(plugo_third_party_tool ${CMAKE_SOURCE_DIR}/tools/third-party.py)
set(plugo_notices ${PLUGO_BIN_DIR}/${PLUGO_NOTICES_FILE})
set(plugo_licence ${PLUGO_BIN_DIR}/${PLUGO_LICENCE_FILE})

# The GPL's text beside the programs, as LICENSE.txt so that every system opens it as text; with
# Windows' line ends for the Windows programs.
if(WIN32)
  set(plugo_newline CRLF)
else()
  set(plugo_newline UNIX)
endif()
# @ONLY with no @-names in the text: copied unchanged, only the line ends set.
configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${plugo_licence} @ONLY NEWLINE_STYLE ${plugo_newline})

if(WIN32)
  # Everything in the Windows programs that others wrote comes from the toolkit's cache, whose
  # folders name the Debian source package and version they were built from.
  # Joined with "|" rather than CMake's ";", which a command line would split.
  list(JOIN PLUGO_WINDOWS_PREFIXES "|" plugo_toolkit_prefixes)
  set(plugo_notice_arguments --platform windows --toolkit "${plugo_toolkit_prefixes}")
  set(plugo_notice_depends "")
elseif(PLUGO_SANITIZE OR PLUGO_FUZZ)
  # Instrumented programs link the sanitizers' runtimes, and never ship: the notices are written
  # from the list alone.
  set(plugo_notice_arguments --platform linux)
  set(plugo_notice_depends "")
else()
  # The Linux programs' own NEEDED libraries are checked against the list before it is written.
  set(plugo_notice_arguments --platform linux --programs)
  foreach(program ${PLUGO_PROGRAMS})
    list(APPEND plugo_notice_arguments $<TARGET_FILE:${program}>)
  endforeach()
  set(plugo_notice_depends ${PLUGO_PROGRAMS})
endif()

add_custom_command(OUTPUT ${plugo_notices}
  COMMAND ${Python3_EXECUTABLE} ${plugo_third_party_tool} notices --list ${plugo_third_party_list}
    --out ${plugo_notices} --version ${PLUGO_VERSION_TEXT} --source-url "${PLUGO_SOURCE_URL}"
    ${plugo_notice_arguments}
  DEPENDS ${plugo_third_party_list} ${plugo_third_party_tool} ${plugo_notice_depends}
  COMMENT "Writing THIRD-PARTY-NOTICES.txt from packaging/third-party.txt"
  VERBATIM)
add_custom_target(plugo_notices ALL DEPENDS ${plugo_notices})

# Beside the programs in the program folder and the archive. The Debian package says the same in
# Debian's own places instead (below): its copyright file names the libraries, which Debian's own
# packages bring with their own copyright files, and the GPL's text is in /usr/share/common-licenses.
install(FILES ${plugo_licence} ${plugo_notices} DESTINATION . COMPONENT notices)

if(NOT WIN32)
  set(plugo_debian_doc ${CMAKE_BINARY_DIR}/debian-doc)
  # The changelog of a native package, compressed as Debian's tools do (gzip -9n: no name, no time,
  # so the same text always gives the same bytes).
  find_program(PLUGO_GZIP gzip REQUIRED)
  add_custom_command(OUTPUT ${plugo_debian_doc}/copyright ${plugo_debian_doc}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${plugo_debian_doc}
    COMMAND ${Python3_EXECUTABLE} ${plugo_third_party_tool} copyright --list ${plugo_third_party_list}
      --out ${plugo_debian_doc}/copyright --version ${PLUGO_VERSION_TEXT}
      --contact ${PLUGO_MAINTAINER} --source-url "${PLUGO_SOURCE_URL}"
    COMMAND ${PLUGO_GZIP} -9n -c ${CMAKE_SOURCE_DIR}/packaging/debian/changelog > ${plugo_debian_doc}/changelog.gz
    DEPENDS ${plugo_third_party_list} ${plugo_third_party_tool} ${CMAKE_SOURCE_DIR}/packaging/debian/changelog
    COMMENT "Writing the Debian package's copyright file and changelog"
    VERBATIM)
  add_custom_target(plugo_debian_doc ALL
    DEPENDS ${plugo_debian_doc}/copyright ${plugo_debian_doc}/changelog.gz)
  install(FILES ${plugo_debian_doc}/copyright ${plugo_debian_doc}/changelog.gz
    DESTINATION ${PLUGO_SHARE_DIR}/doc/plugo COMPONENT debian EXCLUDE_FROM_ALL)
endif()
