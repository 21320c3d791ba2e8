// The stand-in for what the routines ask of the running system: it asks the
// system itself unless a test has made up an answer.
#pragma once

#include <optional>
#include <string>

namespace SistemaFinto {

struct Risposte {
    std::string Radice;                    // put before every system path
    int ErroreStatoFileSystem = 0;         // errno of a failing statvfs; 0: the system's answer
    int ErroreEtichetta = 0;               // errno of a failing label query; 0: see Etichetta
    std::optional<std::string> Etichetta;  // the file system's label; nullopt: the system's
    int ErroreMappa = 0;                   // errno of every failing page mapping; 0: see Suggerito
    bool Suggerito = false;                // the address a mere hint, as before Linux 4.17
    void* UltimaAltrove = nullptr;         // the last page a hint mapped elsewhere
};

// What the stand-in answers now; RadiceFinta puts the defaults back when it goes.
Risposte& Attuali();

}  // namespace SistemaFinto
