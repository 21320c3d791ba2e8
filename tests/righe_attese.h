// Expected report lines, written the way a reader counts columns.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "main_window/form1.h"

using Righe = std::vector<std::u16string>;

// What a new form prints when the menu item Index is chosen.
inline Righe Esegui(std::int16_t Index) {
    Form1 f;
    f.mnu_Click(Index);
    return f.Righe();
}

// A label, blanks up to column 50, then the value starting at column 50.
inline std::u16string AColonna50(std::u16string_view Etichetta, std::u16string_view Valore) {
    std::u16string Riga(Etichetta);
    Riga.resize(49, u' ');
    return Riga + std::u16string(Valore);
}

// Example 4 after a failed call: every output as the report started it.
inline Righe RigheVolumeFallito() {
    return {
        AColonna50(u"nome Drive", u"c:\\"),
        AColonna50(u"nome Volume", u""),
        AColonna50(u"Nr Seriale", u" 0 "),
        AColonna50(u"Max grand di un file", u" 0 "),
        AColonna50(u"Tipo File System", u" 0 "),
        u"    qui sopra è stato omesso l'uso delle costanti",
        AColonna50(u"Nome File System", u""),
        AColonna50(u"Risultato (1=OK / 0=fail)", u" 0 "),
    };
}
