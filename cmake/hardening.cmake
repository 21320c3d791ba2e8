# Debian's hardening flags for the Linux program, as every program in Debian's
# archive gets them: the flags that dpkg-buildflags adds with hardening=+all
# (stack protector, fortify, format security, RELRO, immediate binding, PIE)
# for the architecture built for. The release preset and the .deb both turn
# this on, so what a user builds is what is packaged.
option(VARNELO_HARDENING "Build with Debian's hardening flags (dpkg-buildflags hardening=+all)" OFF)
if(NOT VARNELO_HARDENING)
  return()
endif()
if(WIN32)
  message(FATAL_ERROR "VARNELO_HARDENING takes Debian's flags for Linux programs, not Windows ones")
endif()

find_program(VARNELO_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
find_program(VARNELO_DPKG_ARCHITECTURE dpkg-architecture REQUIRED)
execute_process(COMMAND ${VARNELO_DPKG_ARCHITECTURE} -t ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_HOST_ARCH
                OUTPUT_VARIABLE architettura_debian OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

# The hardening flags alone: what hardening=+all gives less what hardening=-all
# gives, so the build type keeps its own optimisation and debug flags.
function(flag_hardening variabile flag)
  foreach(scelta +all -all)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_HOST_ARCH=${architettura_debian}
                            DEB_BUILD_MAINT_OPTIONS=hardening=${scelta}
                            ${VARNELO_DPKG_BUILDFLAGS} --get ${flag}
                    OUTPUT_VARIABLE testo OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flag${scelta} UNIX_COMMAND "${testo}")
  endforeach()
  if(flag-all)
    list(REMOVE_ITEM flag+all ${flag-all})
  endif()
  set(${variabile} ${flag+all} PARENT_SCOPE)
endfunction()

flag_hardening(preprocessore CPPFLAGS)
flag_hardening(compilatore CXXFLAGS)
flag_hardening(linker LDFLAGS)
# dpkg 1.22 (Debian 13) adds stack clash protection and, on amd64 and arm64,
# control-flow protection to hardening=+all; Debian 12's dpkg lacks both.
if(architettura_debian STREQUAL "amd64")
  list(APPEND compilatore -fstack-clash-protection -fcf-protection)
elseif(architettura_debian STREQUAL "arm64")
  list(APPEND compilatore -fstack-clash-protection -mbranch-protection=standard)
endif()
list(REMOVE_DUPLICATES compilatore)
add_compile_options(${preprocessore} ${compilatore})
add_link_options(${linker})
string(JOIN " " tutti ${preprocessore} ${compilatore} ${linker})
message(STATUS "Hardening flags (${architettura_debian}): ${tutti}")
