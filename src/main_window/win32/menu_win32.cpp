#include "menu_win32.h"

#include "main_window/menu.h"
#include "testo_largo.h"

namespace Varnelo {

namespace {

bool Aggiungi(HMENU Menu, UINT Tipo, UINT_PTR Id, std::u16string_view Didascalia) {
    return AppendMenuW(Menu, Tipo, Id, TestoLargo(Didascalia).c_str()) != FALSE;
}

HMENU CreaMenuEsempi() {
    HMENU Esempi = CreatePopupMenu();
    if (Esempi == nullptr) {
        return nullptr;
    }
    for (const VoceMenu& Voce : VociEsempi) {
        if (!Aggiungi(Esempi, MF_STRING, static_cast<UINT_PTR>(Voce.Index), Voce.Didascalia)) {
            DestroyMenu(Esempi);
            return nullptr;
        }
    }
    return Esempi;
}

}  // namespace

HMENU CreaBarraMenu() {
    HMENU Barra = CreateMenu();
    if (Barra == nullptr) {
        return nullptr;
    }
    HMENU Esempi = CreaMenuEsempi();
    if (Esempi == nullptr) {
        DestroyMenu(Barra);
        return nullptr;
    }
    // Once appended, the popup belongs to the bar and goes with it.
    if (!Aggiungi(Barra, MF_POPUP, reinterpret_cast<UINT_PTR>(Esempi), DidascaliaMenuVarnelo)) {
        DestroyMenu(Esempi);
        DestroyMenu(Barra);
        return nullptr;
    }
    if (!Aggiungi(Barra, MF_STRING, IdEsci, DidascaliaEsci)) {
        DestroyMenu(Barra);
        return nullptr;
    }
    return Barra;
}

std::optional<std::int16_t> IndexDelComando(WORD Id) {
    for (const VoceMenu& Voce : VociEsempi) {
        if (Voce.Index >= 0 && static_cast<WORD>(Voce.Index) == Id) {
            return Voce.Index;
        }
    }
    return std::nullopt;
}

}  // namespace Varnelo
