# ---- Packages: a zip and an MSI per processor (the .deb is debian/'s) ---------

set(CPACK_PACKAGE_NAME varnelo)
set(CPACK_PACKAGE_VENDOR "Varnelo")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Esempi di chiamate alle routine di informazione del sistema")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)

if(WIN32)
  # One upgrade code for both processors: either package finds the other and
  # replaces it, so that a machine holds one Varnelo.
  set(CPACK_VARNELO_MSI_CODICE_AGGIORNAMENTO 87B133AB-A42B-4794-B3A4-0B3499F1B747)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64)$")
    set(VARNELO_PIATTAFORMA_MSI x64)
    set(VARNELO_SUFFISSO_ZIP win64)
  elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^i[3-6]86$")
    set(VARNELO_PIATTAFORMA_MSI x86)
    set(VARNELO_SUFFISSO_ZIP win32)
  else()
    message(FATAL_ERROR "No Windows package for the processor '${CMAKE_SYSTEM_PROCESSOR}'")
  endif()

  # Debian's own interpreter: it writes the zip, and has python3-pefile for the tests.
  set(VARNELO_PYTHON /usr/bin/python3)

  # ld writes SOURCE_DATE_EPOCH, when it is set, as the exe's PE time stamp.
  include(cmake/source_date_epoch.cmake)
  set_property(TARGET Varnelo PROPERTY CXX_LINKER_LAUNCHER
               ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VARNELO_SOURCE_DATE_EPOCH})

  # Beside the exe: the license, and the notices of what it links statically.
  # With Windows' line ends, without which Notepad before Windows 10 shows each
  # text as one line.
  foreach(testo LICENSE resources/windows/THIRD-PARTY-NOTICES.txt)
    get_filename_component(nome ${testo} NAME_WE)
    file(READ ${PROJECT_SOURCE_DIR}/${testo} contenuto)
    string(REPLACE "\n" "\r\n" contenuto "${contenuto}")
    file(WRITE ${PROJECT_BINARY_DIR}/testi-windows/${nome}.txt "${contenuto}")
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                 ${PROJECT_SOURCE_DIR}/${testo})
    install(FILES ${PROJECT_BINARY_DIR}/testi-windows/${nome}.txt DESTINATION .)
  endforeach()

  # The External generator makes the zip, the MSI and their SHA256SUMS from one
  # staged tree, each the same bytes from the same sources.
  set(CPACK_GENERATOR External)
  set(CPACK_PACKAGE_FILE_NAME Varnelo-${PROJECT_VERSION}-${VARNELO_SUFFISSO_ZIP})
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  # strip, which cpack runs on the staged exe, writes the PE time stamp again.
  set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/ambiente_cpack.cmake)
  set(CPACK_VARNELO_SOURCE_DATE_EPOCH ${VARNELO_SOURCE_DATE_EPOCH})

  find_program(VARNELO_WIXL wixl REQUIRED)
  find_program(VARNELO_MSIBUILD msibuild REQUIRED)
  set(CPACK_EXTERNAL_ENABLE_STAGING ON)
  set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/cmake/pacchetti_windows.cmake)
  set(CPACK_VARNELO_ZIP_SUFFISSO ${VARNELO_SUFFISSO_ZIP})
  set(CPACK_VARNELO_PYTHON ${VARNELO_PYTHON})
  set(CPACK_VARNELO_ZIP ${PROJECT_SOURCE_DIR}/cmake/zip_riproducibile.py)
  set(CPACK_VARNELO_MSI_PIATTAFORMA ${VARNELO_PIATTAFORMA_MSI})
  set(CPACK_VARNELO_MSI_SORGENTE ${PROJECT_SOURCE_DIR}/resources/windows/varnelo.wxs)
  set(CPACK_VARNELO_MSI_ICONA ${PROJECT_SOURCE_DIR}/resources/icons/varnelo.ico)
  set(CPACK_VARNELO_WIXL ${VARNELO_WIXL})
  set(CPACK_VARNELO_MSIBUILD ${VARNELO_MSIBUILD})

  include(CPack)
endif()
