# Cross build for 64-bit ARM Linux with Debian's cross compiler, against the
# arm64 libraries that multiarch installs beside the native ones
# (/usr/lib/aarch64-linux-gnu). Qt's host tools (moc, rcc) are the native ones.
# Test executables run under qemu's user-mode emulation.

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(VARNELO_TRIPLETTA aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${VARNELO_TRIPLETTA}-gcc)
set(CMAKE_CXX_COMPILER ${VARNELO_TRIPLETTA}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${VARNELO_TRIPLETTA})

# Multiarch keeps the target's files under / itself: find only its own
# libraries and packages there, never the host's.
set(CMAKE_FIND_ROOT_PATH /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_PREFIX_PATH /usr/lib/${VARNELO_TRIPLETTA}/cmake)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${VARNELO_TRIPLETTA}/pkgconfig:/usr/share/pkgconfig)
set(QT_HOST_PATH /usr CACHE PATH "Where Qt's host tools are")

# Debian 12 names the emulator qemu-aarch64 (qemu-user) or qemu-aarch64-static.
find_program(VARNELO_QEMU NAMES qemu-aarch64 qemu-aarch64-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VARNELO_QEMU})
