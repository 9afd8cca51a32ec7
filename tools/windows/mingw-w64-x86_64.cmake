# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix-threads flavour, which Qt's
# threads and std::thread need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PLUGO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PLUGO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PLUGO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PLUGO_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW sysroot and the toolkit's own prefixes only; programs
# (moc, rcc, uic) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${PLUGO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The toolkit's own prefixes (Qt, curl, GoogleTest built for Windows) are searched as further roots,
# also inside try_compile.
if(DEFINED PLUGO_WINDOWS_PREFIXES)
  list(APPEND CMAKE_FIND_ROOT_PATH ${PLUGO_WINDOWS_PREFIXES})
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PLUGO_WINDOWS_PREFIXES)
