# Writes SHA256SUMS beside packages, in sha256sum's format (`sha256sum -c
# SHA256SUMS` checks them). As cpack's CPACK_POST_BUILD_SCRIPTS it sums the
# packages that the generator made (CPACK_PACKAGE_FILES) into cpack's output
# folder; on its own:
#   cmake "-DPACCHETTI=dir/a.deb;dir/b.deb" -P cmake/sha256sums.cmake
# The packages share one folder. Lines of other packages already in its
# SHA256SUMS stay while their files are there, so generators that run one after
# the other (zip, then MSI) leave one file that sums them all.
cmake_minimum_required(VERSION 3.25)

if(DEFINED CPACK_PACKAGE_FILES)
  # cpack runs this on the packages in its scratch folder, before it copies
  # them to where they go: the sums go there.
  set(PACCHETTI ${CPACK_PACKAGE_FILES})
  set(cartella ${CPACK_OUTPUT_FILE_PREFIX})
elseif(PACCHETTI)
  list(GET PACCHETTI 0 primo)
  get_filename_component(cartella ${primo} DIRECTORY)
else()
  message(FATAL_ERROR "sha256sums.cmake: no packages given (PACCHETTI)")
endif()
set(somme ${cartella}/SHA256SUMS)

# Entries "name<TAB>sum", so that sorting orders them by name.
set(voci)
set(nomi)
foreach(pacchetto IN LISTS PACCHETTI)
  get_filename_component(nome ${pacchetto} NAME)
  # cpack's External generator lists its description of the staging too.
  if(nome MATCHES "\\.json$")
    continue()
  endif()
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
