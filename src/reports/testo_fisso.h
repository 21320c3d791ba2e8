// Fixed-length text: assigning a longer text cuts it to the length, a
// shorter one is padded with blanks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline std::u16string TestoFisso(std::u16string_view Testo, std::size_t Lunghezza) {
    std::u16string Risultato(Testo.substr(0, Lunghezza));
    Risultato.resize(Lunghezza, u' ');
    return Risultato;
}
