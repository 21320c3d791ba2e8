# Writes SHA256SUMS beside packages, in sha256sum's format (`sha256sum -c
# SHA256SUMS` checks them): included with PACCHETTI set, or on its own:
#   cmake "-DPACCHETTI=dir/a.deb;dir/b.deb" -P cmake/sha256sums.cmake
# The packages share one folder. Lines of other packages already in its
# SHA256SUMS stay while their files are there, so builds that add one package
# at a time (amd64, then arm64) leave one file that sums them all.
cmake_minimum_required(VERSION 3.25)

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
    if(riga MATCHES "^([0-9a-f]+)  (.+)$")
      set(somma ${CMAKE_MATCH_1})
      set(nome ${CMAKE_MATCH_2})
      if(NOT nome IN_LIST nomi AND EXISTS ${cartella}/${nome})
        list(APPEND voci "${nome}\t${somma}")
      endif()
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
