#include "modulo1.h"

namespace Modulo1 {

// Testo by value is the function's contract (it works on its own copy), so a
// const reference, which cppcheck suggests for speed, is not an option.
// cppcheck-suppress passedByValue
std::u16string TroncaAlNul(std::u16string Testo, std::int32_t Lunghezza) {
    const std::int32_t Limite = Lunghezza == 0 ? 256 : Lunghezza;
    std::u16string Risultato;
    // A bound past the end of the text stops at its end, never beyond it.
    for (std::int32_t i = 0; i < Limite && static_cast<std::size_t>(i) < Testo.size(); ++i) {
        if (Testo[static_cast<std::size_t>(i)] == u'\0') {
            break;
        }
        Risultato += Testo[static_cast<std::size_t>(i)];
    }
    return Risultato;
}

}  // namespace Modulo1
