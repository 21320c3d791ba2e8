// Binding a system routine by name when it is first called, so that it never
// appears in the executable's import table.
#pragma once

#include <windows.h>

namespace Modulo1::Legame {

// The address of Routine in Libreria; null, after reporting it, when either
// cannot be found.
FARPROC Lega(const char* Libreria, const char* Routine);

// Reports once that Routine could not be bound in Libreria. Each program
// links one: a message box for the user, a recorder in the tests.
void SegnalaRoutineMancante(const char* Routine, const char* Libreria);

// Routine in kernel32, of type Firma: bound on the first call, kept for the
// later ones. A routine that cannot be bound is reported on that first call
// only and stays null.
template <typename Firma, const char* Routine>
Firma InKernel32() {
    // Through void(*)(), the one function type a cast from FARPROC may pass.
    static const Firma Indirizzo =
        reinterpret_cast<Firma>(reinterpret_cast<void (*)()>(Lega("kernel32", Routine)));
    return Indirizzo;
}

}  // namespace Modulo1::Legame
