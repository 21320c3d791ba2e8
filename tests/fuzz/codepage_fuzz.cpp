// Any bytes from the system convert without failing; what converts back is
// valid UTF-16 and, but for replacement characters, the same text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shared/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Dati, std::size_t Dimensione) {
    const std::string_view Byte(reinterpret_cast<const char*>(Dati), Dimensione);
    const std::u16string Testo = Modulo1::DaSingoloByte(Byte);
    if (Testo.size() > Byte.size()) {
        std::abort();  // never more 16-bit units than bytes
    }
    // Converting the converted text again is the identity.
    if (Modulo1::DaSingoloByte(Modulo1::VersoSingoloByte(Testo)) != Testo) {
        std::abort();
    }
    // And 16-bit units of any kind, paired surrogates or not, go out safely.
    const std::u16string Unita(reinterpret_cast<const char16_t*>(Dati), Dimensione / 2);
    const std::string Uscita = Modulo1::VersoSingoloByte(Unita);
    if (Modulo1::DaSingoloByte(Uscita).size() > Unita.size()) {
        std::abort();
    }
    return 0;
}
