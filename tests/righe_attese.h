// Expected report lines, written the way a reader counts columns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

using Righe = std::vector<std::u16string>;

// A label, blanks up to column 50, then the value starting at column 50.
inline std::u16string AColonna50(std::u16string_view Etichetta, std::u16string_view Valore) {
    std::u16string Riga(Etichetta);
    Riga.resize(49, u' ');
    return Riga + std::u16string(Valore);
}
