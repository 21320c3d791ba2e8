# Writes SHA256SUMS beside packages, in sha256sum's format (`sha256sum -c
# SHA256SUMS` checks them). As cpack's CPACK_POST_BUILD_SCRIPTS it sums the
# packages that the generator made (CPACK_PACKAGE_FILES); on its own:
#   cmake "-DPACCHETTI=dir/a.deb;dir/b.deb" -P cmake/sha256sums.cmake
# The packages share one folder. Lines of other packages already in its
# SHA256SUMS stay while their files are there, so generators that run one after
# the other (zip, then MSI) leave one file that sums them all.
cmake_minimum_required(VERSION 3.25)

if(DEFINED CPACK_PACKAGE_FILES)
  set(PACCHETTI ${CPACK_PACKAGE_FILES})
endif()
if(NOT PACCHETTI)
  message(FATAL_ERROR "sha256sums.cmake: no packages given (PACCHETTI)")
endif()
list(GET PACCHETTI 0 primo)
get_filename_component(cartella ${primo} DIRECTORY)
set(somme ${cartella}/SHA256SUMS)

# Entries "name<TAB>sum", so that sorting orders them by name.
set(voci)
set(nomi)
foreach(pacchetto IN LISTS PACCHETTI)
  get_filename_component(nome ${pacchetto} NAME)
  file(SHA256 ${pacchetto} somma)
  list(APPEND voci "${nome}\t${somma}")
  list(APPEND nomi ${nome})
endforeach()
if(EXISTS ${somme})
  file(STRINGS ${somme} righe)
  foreach(riga IN LISTS righe)
    if(riga MATCHES "^([0-9a-f]+)  (.+)$" AND NOT CMAKE_MATCH_2 IN_LIST nomi
       AND EXISTS ${cartella}/${CMAKE_MATCH_2})
      list(APPEND voci "${CMAKE_MATCH_2}\t${CMAKE_MATCH_1}")
    endif()
  endforeach()
endif()
list(SORT voci)
set(testo "")
foreach(voce IN LISTS voci)
  string(REGEX REPLACE "^([^\t]*)\t(.*)$" "\\2  \\1\n" riga "${voce}")
  string(APPEND testo "${riga}")
endforeach()
file(WRITE ${somme} "${testo}")
