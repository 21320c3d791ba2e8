#include "disegno.h"

#include "testo_largo.h"

namespace Varnelo {

RECT RettangoloRiga(const CarattereConsole& Carattere, std::size_t Indice, std::size_t Colonne) {
    const LONG Alto = static_cast<LONG>(Indice) * Carattere.AltezzaRiga();
    return {0, Alto, static_cast<LONG>(CelleDellaRiga(Colonne)) * Carattere.LarghezzaColonna(),
            Alto + Carattere.AltezzaRiga()};
}

bool RigaFuoriVista(HWND Finestra, const CarattereConsole& Carattere, const Form1& Form,
                    std::size_t Indice) {
    if (Indice >= Form.Righe().size()) {
        return false;
    }
    const RECT Posto = RettangoloRiga(Carattere, Indice, Form.Righe()[Indice].size());
    RECT Client{};
    RECT Comune{};
    return GetClientRect(Finestra, &Client) && !IntersectRect(&Comune, &Client, &Posto);
}

void DisegnaRighe(HDC Contesto, const RECT& Area, const std::vector<std::u16string>& Righe,
                  const CarattereConsole& Carattere, std::optional<std::size_t> RigaConFuoco) {
    FillRect(Contesto, &Area, GetSysColorBrush(COLOR_WINDOW));
    const HGDIOBJ Precedente = SelectObject(Contesto, Carattere.Font());
    SetTextColor(Contesto, GetSysColor(COLOR_WINDOWTEXT));
    SetBkMode(Contesto, TRANSPARENT);
    for (std::size_t i = 0; i < Righe.size(); ++i) {
        const std::wstring Testo = TestoLargo(Righe[i]);
        const RECT Posto = RettangoloRiga(Carattere, i, Testo.size());
        // Explicit advances keep the columns even where a character comes
        // from a fallback font of another width.
        const std::vector<INT> Avanzamenti(Testo.size(), Carattere.LarghezzaColonna());
        ExtTextOutW(Contesto, Area.left + Posto.left, Area.top + Posto.top, 0, nullptr,
                    Testo.c_str(), static_cast<UINT>(Testo.size()), Avanzamenti.data());
    }
    SelectObject(Contesto, Precedente);
    if (RigaConFuoco && *RigaConFuoco < Righe.size()) {
        RECT Fuoco = RettangoloRiga(Carattere, *RigaConFuoco, Righe[*RigaConFuoco].size());
        OffsetRect(&Fuoco, Area.left, Area.top);
        DrawFocusRect(Contesto, &Fuoco);
    }
}

}  // namespace Varnelo
