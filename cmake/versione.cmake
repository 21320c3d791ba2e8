# The version is written once, in project(): what shows it is made from it
# here, and debian/changelog must name it.
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog voce_changelog LIMIT_COUNT 1)
string(REPLACE "." "\\." versione_regex ${PROJECT_VERSION})
# A binary-only upload of Debian's (binNMU) adds +bN.
if(NOT voce_changelog MATCHES "^varnelo \\(${versione_regex}(\\+b[0-9]+)?\\) ")
  message(FATAL_ERROR "debian/changelog's first entry is not of version ${PROJECT_VERSION}, "
                      "project()'s: ${voce_changelog}")
endif()
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/debian/changelog)

# Windows' version record shows major.minor, the minor in two digits: 1.00.
string(LENGTH ${PROJECT_VERSION_MINOR} cifre_minore)
if(cifre_minore EQUAL 1)
  set(VARNELO_VERSIONE_BREVE ${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR})
else()
  set(VARNELO_VERSIONE_BREVE ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
endif()

# varnelo_versione: versione.h, for the programs and the Windows resources.
configure_file(${PROJECT_SOURCE_DIR}/src/versione.h.in ${PROJECT_BINARY_DIR}/versione/versione.h
               @ONLY)
add_library(varnelo_versione INTERFACE)
target_include_directories(varnelo_versione INTERFACE ${PROJECT_BINARY_DIR}/versione)
