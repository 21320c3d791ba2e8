# Run by cpack's External generator on the staged install tree: makes
# Varnelo-<version>-<win64|win32>.zip, Varnelo-<version>-<x64|x86>.msi and
# the SHA256SUMS of both. The same staged files make the same bytes: every
# time either package holds is SOURCE_DATE_EPOCH's, and the tools, which write
# local time, run in UTC.

set(piattaforma ${CPACK_VARNELO_MSI_PIATTAFORMA})
set(versione ${CPACK_PACKAGE_VERSION})
set(epoca ${CPACK_VARNELO_SOURCE_DATE_EPOCH})
set(albero ${CPACK_TEMPORARY_DIRECTORY})
set(zip ${CPACK_TOPLEVEL_DIRECTORY}/Varnelo-${versione}-${CPACK_VARNELO_ZIP_SUFFISSO}.zip)
set(msi ${CPACK_TOPLEVEL_DIRECTORY}/Varnelo-${versione}-${piattaforma}.msi)

# Runs a tool in the staged tree. wixl looks for sources only relative to
# where it runs, and says some errors on stderr while exiting 0: any word from
# a tool is a failure.
function(esegui)
  execute_process(COMMAND env TZ=UTC0 ${ARGN}
                  WORKING_DIRECTORY ${albero}
                  RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
  if(NOT esito EQUAL 0 OR NOT uscita STREQUAL "")
    message(FATAL_ERROR "${ARGV0} failed (exit ${esito}):\n${uscita}")
  endif()
endfunction()

file(GLOB contenuto RELATIVE ${albero} ${albero}/*)
list(SORT contenuto)
# The MSI's cabinet keeps each file's time.
esegui(touch --no-dereference --date=@${epoca} ${contenuto})

# ---- The zip ------------------------------------------------------------------

esegui(${CPACK_VARNELO_PYTHON} ${CPACK_VARNELO_ZIP} ${zip} ${epoca} ${contenuto})

# ---- The MSI ------------------------------------------------------------------

# One product code per version and processor, the same in every build: a
# rebuilt package is the same product, never a second entry beside it.
string(UUID codice_prodotto NAMESPACE ${CPACK_VARNELO_MSI_CODICE_AGGIORNAMENTO}
       NAME "Varnelo ${piattaforma} ${versione}" TYPE SHA1 UPPER)

file(RELATIVE_PATH icona ${albero} ${CPACK_VARNELO_MSI_ICONA})
esegui(${CPACK_VARNELO_WIXL} --arch ${piattaforma}
       -D Piattaforma=${piattaforma} -D Versione=${versione}
       -D CodiceProdotto=${codice_prodotto}
       -D CodiceAggiornamento=${CPACK_VARNELO_MSI_CODICE_AGGIORNAMENTO}
       -D Eseguibile=Varnelo.exe -D Icona=${icona}
       -o ${msi} ${CPACK_VARNELO_MSI_SORGENTE})

# What wixl cannot set: the database's code page (wixl leaves it neutral).
set(tabelle ${CPACK_TOPLEVEL_DIRECTORY}/tabelle-msi)
file(MAKE_DIRECTORY ${tabelle})
file(WRITE ${tabelle}/_ForceCodepage.idt "\r\n\r\n1252\t_ForceCodepage\r\n")
esegui(${CPACK_VARNELO_MSIBUILD} ${msi} -i ${tabelle}/_ForceCodepage.idt)

# The summary wixl writes holds a random package code and the time it ran,
# and language 1033 whatever the product's. In their place: the package's
# processor with Italian (1040); SOURCE_DATE_EPOCH (string(TIMESTAMP) reads
# it) as the time of creation and of the last save; and a package code drawn
# from the package itself, made first with a code of zeros, so that any other
# content gives another code, as Windows Installer requires.
if(piattaforma STREQUAL "x86")
  set(modello Intel)
else()
  set(modello ${piattaforma})
endif()
set(ENV{SOURCE_DATE_EPOCH} ${epoca})
string(TIMESTAMP ora "%Y/%m/%d %H:%M:%S" UTC)
function(scrivi_sommario codice_pacchetto)
  file(WRITE ${tabelle}/_SummaryInformation.idt
       "PropertyId\tValue\r\ni2\tl255\r\n_SummaryInformation\tPropertyId\r\n"
       "7\t${modello};1040\r\n9\t{${codice_pacchetto}}\r\n12\t${ora}\r\n13\t${ora}\r\n")
  esegui(${CPACK_VARNELO_MSIBUILD} ${msi} -i ${tabelle}/_SummaryInformation.idt)
endfunction()
scrivi_sommario(00000000-0000-0000-0000-000000000000)
file(SHA256 ${msi} impronta)
string(UUID codice_pacchetto NAMESPACE ${CPACK_VARNELO_MSI_CODICE_AGGIORNAMENTO}
       NAME "${impronta}" TYPE SHA1 UPPER)
scrivi_sommario(${codice_pacchetto})

# ---- Their checksums ------------------------------------------------------------

set(PACCHETTI ${zip} ${msi})
include(${CMAKE_CURRENT_LIST_DIR}/sha256sums.cmake)

set(CPACK_EXTERNAL_BUILT_PACKAGES ${zip} ${msi} ${CPACK_TOPLEVEL_DIRECTORY}/SHA256SUMS)
