#include "legame.h"

namespace Modulo1::Legame {

FARPROC Lega(const char* Libreria, const char* Routine) {
    // kernel32 stays loaded for the whole process, so the module is never freed.
    const HMODULE Modulo = LoadLibraryA(Libreria);
    FARPROC Indirizzo = Modulo != nullptr ? GetProcAddress(Modulo, Routine) : nullptr;
    if (Indirizzo == nullptr) {
        SegnalaRoutineMancante(Routine, Libreria);
    }
    return Indirizzo;
}

}  // namespace Modulo1::Legame
