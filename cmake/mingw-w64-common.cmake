# Cross build of Varnelo.exe with Debian's mingw-w64 (POSIX threads flavour),
# for the processor that the including toolchain file sets in
# CMAKE_SYSTEM_PROCESSOR. Test executables run under Wine (tests/CMakeLists.txt).

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

# The Wine prefix of the processor: tests run in a 64-bit prefix for x86-64, in
# a 32-bit one for i686.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(VARNELO_WINEARCH win64)
else()
  set(VARNELO_WINEARCH win32)
endif()
