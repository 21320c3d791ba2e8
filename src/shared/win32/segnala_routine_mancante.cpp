// The program's report of a routine it cannot bind: the user is told which
// routine and library, and the program goes on without it.
#include <string>

#include "legame.h"

namespace Modulo1::Legame {

namespace {

// Routine and library names are ASCII.
std::wstring DaAscii(const char* Testo) {
    std::wstring Largo;
    for (; *Testo != '\0'; ++Testo) {
        Largo += static_cast<wchar_t>(static_cast<unsigned char>(*Testo));
    }
    return Largo;
}

}  // namespace

void SegnalaRoutineMancante(const char* Routine, const char* Libreria) {
    const std::wstring Messaggio = L"Impossibile trovare la routine " + DaAscii(Routine) +
                                   L" nella libreria " + DaAscii(Libreria) +
                                   L".\nL'esempio che la usa mostrer\u00e0 valori vuoti.";
    MessageBoxW(nullptr, Messaggio.c_str(), L"Varnelo", MB_OK | MB_ICONWARNING | MB_TASKMODAL);
}

}  // namespace Modulo1::Legame
