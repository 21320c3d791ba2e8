// Any text and any bound: the result is the text's start, cut at its first
// NUL and at the bound, never read past the end.
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <string>

#include "shared/modulo1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Dati, std::size_t Dimensione) {
    if (Dimensione < sizeof(std::int32_t)) {
        return 0;
    }
    std::int32_t Lunghezza = 0;
    std::memcpy(&Lunghezza, Dati, sizeof Lunghezza);
    std::u16string Testo((Dimensione - sizeof Lunghezza) / 2, u'\0');
    std::memcpy(Testo.data(), Dati + sizeof Lunghezza, Testo.size() * 2);

    const std::u16string Risultato = Modulo1::TroncaAlNul(Testo, Lunghezza);

    const std::int64_t Limite = Lunghezza == 0 ? 256 : std::max<std::int64_t>(Lunghezza, 0);
    const std::size_t Nul = std::min(Testo.find(u'\0'), Testo.size());
    const auto Atteso = static_cast<std::size_t>(
        std::min<std::int64_t>(Limite, static_cast<std::int64_t>(Nul)));
    if (Risultato != Testo.substr(0, Atteso)) {
        std::abort();
    }
    return 0;
}
