# Run by cpack's External generator on the staged install tree: builds
# Varnelo-<version>-<x64|x86>.msi with wixl, then sets with msibuild what wixl
# cannot: the summary's language (wixl always writes 1033) and the database
# code page (wixl leaves it neutral).

set(piattaforma ${CPACK_VARNELO_MSI_PIATTAFORMA})
set(versione ${CPACK_PACKAGE_VERSION})
set(msi ${CPACK_TOPLEVEL_DIRECTORY}/Varnelo-${versione}-${piattaforma}.msi)
# The summary's platform, as Windows Installer names it.
if(piattaforma STREQUAL "x86")
  set(modello Intel)
else()
  set(modello ${piattaforma})
endif()

# One product code per version and processor, the same in every build: a
# rebuilt package is the same product, never a second entry beside it.
string(UUID codice_prodotto NAMESPACE ${CPACK_VARNELO_MSI_CODICE_AGGIORNAMENTO}
       NAME "Varnelo ${piattaforma} ${versione}" TYPE SHA1 UPPER)

# wixl looks for sources only relative to where it runs, and says some
# errors on stderr while exiting 0: any word from it is a failure.
function(esegui)
  execute_process(COMMAND ${ARGN}
                  WORKING_DIRECTORY ${CPACK_TEMPORARY_DIRECTORY}
                  RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
  if(NOT esito EQUAL 0 OR NOT uscita STREQUAL "")
    message(FATAL_ERROR "${ARGV0} failed (exit ${esito}):\n${uscita}")
  endif()
endfunction()

file(RELATIVE_PATH icona ${CPACK_TEMPORARY_DIRECTORY} ${CPACK_VARNELO_MSI_ICONA})
esegui(${CPACK_VARNELO_WIXL} --arch ${piattaforma}
       -D Piattaforma=${piattaforma} -D Versione=${versione}
       -D CodiceProdotto=${codice_prodotto}
       -D CodiceAggiornamento=${CPACK_VARNELO_MSI_CODICE_AGGIORNAMENTO}
       -D Eseguibile=Varnelo.exe -D Icona=${icona}
       -o ${msi} ${CPACK_VARNELO_MSI_SORGENTE})

# Italian (1040); the escaped ; keeps "platform;language" one argument.
esegui(${CPACK_VARNELO_MSIBUILD} ${msi} -s "Varnelo ${versione}" Varnelo "${modello}\;1040")
set(tabella_codepage ${CPACK_TOPLEVEL_DIRECTORY}/_ForceCodepage.idt)
file(WRITE ${tabella_codepage} "\r\n\r\n1252\t_ForceCodepage\r\n")
esegui(${CPACK_VARNELO_MSIBUILD} ${msi} -i ${tabella_codepage})

set(CPACK_EXTERNAL_BUILT_PACKAGES ${msi})
