# Debian's hardening flags for a Linux build outside the package (the release
# preset), the very flags that debian/rules gives the package: dpkg-buildflags
# run with debian/rules' settings, less what it gives without hardening, so
# the build type keeps its own optimisation and debug flags. The package
# itself leaves this off and takes dpkg-buildflags' flags from dh.
option(VARNELO_HARDENING "Build with Debian's hardening flags, as debian/rules sets them" OFF)
if(NOT VARNELO_HARDENING)
  return()
endif()
if(WIN32)
  message(FATAL_ERROR "VARNELO_HARDENING takes Debian's flags for Linux programs, not Windows ones")
endif()

find_program(VARNELO_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
find_program(VARNELO_DPKG_ARCHITECTURE dpkg-architecture REQUIRED)
find_program(VARNELO_MAKE make REQUIRED)
execute_process(COMMAND ${VARNELO_DPKG_ARCHITECTURE} -t ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_HOST_ARCH
                OUTPUT_VARIABLE architettura_debian OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

# A flag variable as debian/rules' environment gives it, and as hardening=-all
# with nothing appended gives it; the hardening flags are the difference.
function(flag_hardening variabile flag)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_HOST_ARCH=${architettura_debian}
                          ${VARNELO_MAKE} -s -f ${PROJECT_SOURCE_DIR}/debian/rules
                          "--eval=varnelo-flags-%: ; @${VARNELO_DPKG_BUILDFLAGS} --get $*"
                          varnelo-flags-${flag}
                  OUTPUT_VARIABLE testo OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(con UNIX_COMMAND "${testo}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_HOST_ARCH=${architettura_debian}
                          DEB_BUILD_MAINT_OPTIONS=hardening=-all
                          ${VARNELO_DPKG_BUILDFLAGS} --get ${flag}
                  OUTPUT_VARIABLE testo OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(senza UNIX_COMMAND "${testo}")
  if(senza)
    list(REMOVE_ITEM con ${senza})
  endif()
  set(${variabile} ${con} PARENT_SCOPE)
endfunction()

flag_hardening(preprocessore CPPFLAGS)
flag_hardening(compilatore CXXFLAGS)
flag_hardening(linker LDFLAGS)
add_compile_options(${preprocessore} ${compilatore})
add_link_options(${linker})
string(JOIN " " tutti ${preprocessore} ${compilatore} ${linker})
message(STATUS "Hardening flags (${architettura_debian}): ${tutti}")
