// Windows' DLLs that are not among its Known DLLs are loaded from the system
// directory by their full path: a search by name starts in the program's own
// folder, where anyone may have left a DLL of that name.
#pragma once

#include <windows.h>

namespace Modulo1::Legame {

// Where Windows has SetDefaultDllDirectories (8 and later, 7 with its 2011
// update), every later load by name searches the system directory alone.
void LimitaDllAlSistema();

// The DLL Nome (ASCII, e.g. "oleacc") from the system directory, loaded for
// the rest of the process; null if it cannot be loaded.
HMODULE CaricaDalSistema(const char* Nome);

// Through void(*)(), the one function type a cast from FARPROC may pass.
template <typename Firma>
Firma Come(FARPROC Indirizzo) {
    return reinterpret_cast<Firma>(reinterpret_cast<void (*)()>(Indirizzo));
}

// Routine of the system's DLL Libreria, as Firma; null if either is missing.
template <typename Firma>
Firma CercaNelSistema(const char* Libreria, const char* Routine) {
    const HMODULE Modulo = CaricaDalSistema(Libreria);
    return Modulo != nullptr ? Come<Firma>(GetProcAddress(Modulo, Routine)) : nullptr;
}

}  // namespace Modulo1::Legame
