# ---- Packages: a .deb of the Linux program, a zip of Varnelo.exe per processor --

set(CPACK_PACKAGE_NAME varnelo)
set(CPACK_PACKAGE_VENDOR "Varnelo")
set(CPACK_PACKAGE_CONTACT "Varnelo <varnelo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Esempi di chiamate alle routine di informazione del sistema")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_PACKAGE_FILE_NAME Varnelo-${PROJECT_VERSION}-win64)
  else()
    set(CPACK_PACKAGE_FILE_NAME Varnelo-${PROJECT_VERSION}-win32)
  endif()
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  # Library dependencies as dpkg-shlibdeps finds them in the program.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  if(CMAKE_CROSSCOMPILING)
    # CPack would name the build machine's architecture, not the program's.
    execute_process(
      COMMAND dpkg-architecture -t ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_HOST_ARCH
      OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
endif()

include(CPack)
