# Cross build of the Linux program for another Debian architecture, named by
# VARNELO_ARCHITETTURA (one of scripts/cross-arches.sh), with
# Debian's cross compiler and the target's libraries that multiarch installs
# beside the native ones (/usr/lib/<multiarch>). Qt's host tools (moc, rcc) are
# the native ones. Test executables run under qemu's user-mode emulation,
# called by name, never through binfmt: it runs i386 code even where the
# processor and kernel run no 32-bit x86 code. Where they do
# (scripts/runs-x86-32.sh), i386 tests run natively, as on Debian's builders:
# only a real kernel gives a 32-bit process its true address space.

if(NOT VARNELO_ARCHITETTURA)
  message(FATAL_ERROR "VARNELO_ARCHITETTURA names the Debian architecture to build for")
endif()
# try_compile projects read this file again: they must get the architecture too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VARNELO_ARCHITETTURA)

function(varnelo_dpkg_architecture variabile chiave)
  execute_process(COMMAND dpkg-architecture -a${VARNELO_ARCHITETTURA} -q${chiave}
                  OUTPUT_VARIABLE valore OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET
                  COMMAND_ERROR_IS_FATAL ANY)
  set(${variabile} ${valore} PARENT_SCOPE)
endfunction()
varnelo_dpkg_architecture(varnelo_gnu DEB_HOST_GNU_TYPE)
varnelo_dpkg_architecture(varnelo_multiarch DEB_HOST_MULTIARCH)
varnelo_dpkg_architecture(CMAKE_SYSTEM_PROCESSOR DEB_HOST_GNU_CPU)

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${varnelo_gnu}-gcc)
set(CMAKE_CXX_COMPILER ${varnelo_gnu}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${varnelo_multiarch})

# Multiarch keeps the target's files under / itself: find only its own
# libraries and packages there, never the host's.
set(CMAKE_FIND_ROOT_PATH /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_PREFIX_PATH /usr/lib/${varnelo_multiarch}/cmake)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${varnelo_multiarch}/pkgconfig:/usr/share/pkgconfig)
set(QT_HOST_PATH /usr CACHE PATH "Where Qt's host tools are")

set(varnelo_sotto_qemu ON)
if(VARNELO_ARCHITETTURA STREQUAL "i386")
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/runs-x86-32.sh
                  RESULT_VARIABLE x86_32 OUTPUT_QUIET)
  if(x86_32 EQUAL 0)
    set(varnelo_sotto_qemu OFF)
  elseif(NOT x86_32 EQUAL 1)
    message(FATAL_ERROR "scripts/runs-x86-32.sh could not find out whether this machine runs "
                        "32-bit x86 code (status ${x86_32}; its reason is above)")
  endif()
endif()

# qemu's name for each processor; package qemu-user has qemu-NAME, Debian 12's
# qemu-user-static qemu-NAME-static.
set(varnelo_qemu_arm64 aarch64)
set(varnelo_qemu_armhf arm)
set(varnelo_qemu_i386 i386)
set(varnelo_qemu_ppc64el ppc64le)
set(varnelo_qemu_riscv64 riscv64)
set(varnelo_qemu_s390x s390x)
set(varnelo_qemu ${varnelo_qemu_${VARNELO_ARCHITETTURA}})
if(NOT varnelo_qemu)
  message(FATAL_ERROR "no qemu known for the architecture ${VARNELO_ARCHITETTURA}")
endif()
if(varnelo_sotto_qemu)
  find_program(VARNELO_QEMU NAMES qemu-${varnelo_qemu} qemu-${varnelo_qemu}-static)
  if(NOT VARNELO_QEMU)
    message(FATAL_ERROR "qemu-${varnelo_qemu} is not installed; it comes with the Debian package "
                        "qemu-user (scripts/deps.sh ${VARNELO_ARCHITETTURA})")
  endif()
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VARNELO_QEMU})
endif()
