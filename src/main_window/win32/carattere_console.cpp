#include "carattere_console.h"

#include "main_window/carattere_adatto.h"
#include "main_window/menu.h"

namespace Varnelo {

namespace {

HFONT CreaFont(int Altezza) {
    // The face is a preference; the pitch is what matters, and the mapper
    // falls back to any fixed-width font the system has.
    return CreateFontW(-Altezza, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       FIXED_PITCH | FF_MODERN, L"Consolas");
}

}  // namespace

CarattereConsole CarattereConsole::PerDpi(UINT Dpi) {
    const int Scala = static_cast<int>(Dpi);
    const int Larghezza = MulDiv(LarghezzaClient, Scala, 96);
    const int Altezza = MulDiv(AltezzaClient, Scala, 96);

    CarattereConsole Carattere;
    HDC Misura = CreateCompatibleDC(nullptr);
    // From large to small: the first font that fits is kept; if none does,
    // the smallest tried is.
    for (int Em = MulDiv(AltezzaCarattereMassima, Scala, 96),
             Minimo = MulDiv(AltezzaCarattereMinima, Scala, 96);
         Em >= Minimo; --Em) {
        Carattere.font_.reset(CreaFont(Em));
        const HGDIOBJ Precedente = SelectObject(Misura, Carattere.Font());
        TEXTMETRICW Metriche{};
        GetTextMetricsW(Misura, &Metriche);
        SelectObject(Misura, Precedente);
        Carattere.larghezzaColonna_ = Metriche.tmAveCharWidth;
        Carattere.altezzaRiga_ = Metriche.tmHeight + Metriche.tmExternalLeading;
        if (CarattereAdatto(Carattere.larghezzaColonna_, Carattere.altezzaRiga_, Larghezza,
                            Altezza)) {
            break;
        }
    }
    DeleteDC(Misura);
    return Carattere;
}

}  // namespace Varnelo
