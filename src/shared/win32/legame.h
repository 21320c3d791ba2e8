// Binding a system routine by name when it is first called, so that it never
// appears in the executable's import table.
#pragma once

#include <windows.h>

#include <utility>

#include "dll_di_sistema.h"

namespace Modulo1::Legame {

// Reports once that Routine could not be bound in Libreria. Each program
// links one: a message box for the user, a recorder in the tests.
void SegnalaRoutineMancante(const char* Routine, const char* Libreria);

// Routine in the system's Libreria, of type Firma: bound on the first call,
// kept for the later ones. A routine that cannot be bound stays null and is
// reported once, after the binding: the report's message loop may run code
// that calls it again, which must find the binding done.
template <typename Firma, const char* Libreria, const char* Routine>
Firma Legata() {
    static const Firma Indirizzo = CercaNelSistema<Firma>(Libreria, Routine);
    static bool Segnalata = false;
    if (Indirizzo == nullptr && !std::exchange(Segnalata, true)) {
        SegnalaRoutineMancante(Routine, Libreria);
    }
    return Indirizzo;
}

}  // namespace Modulo1::Legame
