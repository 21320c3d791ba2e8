# Varnelo.exe for 32-bit x86 Windows (the windows-x86 preset).
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
