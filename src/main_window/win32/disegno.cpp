#include "disegno.h"

#include "testo_largo.h"

namespace Varnelo {

void DisegnaRighe(HDC Contesto, const RECT& Area, const std::vector<std::u16string>& Righe,
                  const CarattereConsole& Carattere) {
    FillRect(Contesto, &Area, GetSysColorBrush(COLOR_WINDOW));
    const HGDIOBJ Precedente = SelectObject(Contesto, Carattere.Font());
    SetTextColor(Contesto, GetSysColor(COLOR_WINDOWTEXT));
    SetBkMode(Contesto, TRANSPARENT);
    int y = Area.top;
    for (const std::u16string& Riga : Righe) {
        const std::wstring Testo = TestoLargo(Riga);
        // Explicit advances keep the columns even where a character comes
        // from a fallback font of another width.
        const std::vector<INT> Avanzamenti(Testo.size(), Carattere.LarghezzaColonna());
        ExtTextOutW(Contesto, Area.left, y, 0, nullptr, Testo.c_str(),
                    static_cast<UINT>(Testo.size()), Avanzamenti.data());
        y += Carattere.AltezzaRiga();
    }
    SelectObject(Contesto, Precedente);
}

}  // namespace Varnelo
