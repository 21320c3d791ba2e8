# ---- Packages: a zip and an MSI per processor (the .deb is debian/'s) ---------

set(CPACK_PACKAGE_NAME varnelo)
set(CPACK_PACKAGE_VENDOR "Varnelo")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Esempi di chiamate alle routine di informazione del sistema")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)

if(WIN32)
  # Each processor's package is a product of its own: its own upgrade code.
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64)$")
    set(VARNELO_PIATTAFORMA_MSI x64)
    set(suffisso_zip win64)
    set(CPACK_VARNELO_MSI_CODICE_AGGIORNAMENTO 87B133AB-A42B-4794-B3A4-0B3499F1B747)
  elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^i[3-6]86$")
    set(VARNELO_PIATTAFORMA_MSI x86)
    set(suffisso_zip win32)
    set(CPACK_VARNELO_MSI_CODICE_AGGIORNAMENTO 7F2BEF91-5EB5-416B-9876-747F4624A3DA)
  else()
    message(FATAL_ERROR "No Windows package for the processor '${CMAKE_SYSTEM_PROCESSOR}'")
  endif()

  set(CPACK_GENERATOR ZIP External)
  set(CPACK_PACKAGE_FILE_NAME Varnelo-${PROJECT_VERSION}-${suffisso_zip})
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)

  find_program(VARNELO_WIXL wixl REQUIRED)
  find_program(VARNELO_MSIBUILD msibuild REQUIRED)
  set(CPACK_EXTERNAL_ENABLE_STAGING ON)
  set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/cmake/pacchetto_msi.cmake)
  set(CPACK_VARNELO_MSI_PIATTAFORMA ${VARNELO_PIATTAFORMA_MSI})
  set(CPACK_VARNELO_MSI_SORGENTE ${PROJECT_SOURCE_DIR}/resources/windows/varnelo.wxs)
  set(CPACK_VARNELO_MSI_ICONA ${PROJECT_SOURCE_DIR}/resources/icons/varnelo.ico)
  set(CPACK_VARNELO_WIXL ${VARNELO_WIXL})
  set(CPACK_VARNELO_MSIBUILD ${VARNELO_MSIBUILD})
  set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/sha256sums.cmake)

  include(CPack)
endif()
