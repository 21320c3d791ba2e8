# Cross build of Varnelo.exe with Debian's mingw-w64 (POSIX threads flavour),
# for the processor that the including toolchain file sets in
# CMAKE_SYSTEM_PROCESSOR. Test executables run under Wine.

set(CMAKE_SYSTEM_NAME Windows)

set(VARNELO_MINGW ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${VARNELO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNELO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNELO_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VARNELO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows has no libstdc++ or winpthread DLLs: without them beside it, a
# dynamically linked exe dies at load (under Wine with code 53, silently).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Wine's loader of the processor itself: Debian's `wine` starts the 32-bit one
# whenever wine32 is installed, which then hands a 64-bit program on, and a
# test takes about twice as long to start.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  find_program(VARNELO_WINE NAMES wine64 PATHS /usr/lib/wine REQUIRED)
else()
  find_program(VARNELO_WINE NAMES wine REQUIRED)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${VARNELO_WINE})
