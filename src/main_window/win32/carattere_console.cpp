#include "carattere_console.h"

#include "main_window/carattere_adatto.h"
#include "main_window/menu.h"

namespace Varnelo {

namespace {

// The character cell of Font on Contesto; nothing if either is missing or
// the system cannot measure it.
std::optional<SIZE> Cella(HDC Contesto, HFONT Font) {
    if (Contesto == nullptr || Font == nullptr) {
        return std::nullopt;
    }
    const HGDIOBJ Precedente = SelectObject(Contesto, Font);
    if (Precedente == nullptr) {
        return std::nullopt;
    }
    TEXTMETRICW Metriche{};
    const bool Misurato = GetTextMetricsW(Contesto, &Metriche) != FALSE;
    SelectObject(Contesto, Precedente);
    if (!Misurato || Metriche.tmAveCharWidth <= 0 || Metriche.tmHeight <= 0) {
        return std::nullopt;
    }
    return SIZE{Metriche.tmAveCharWidth, Metriche.tmHeight + Metriche.tmExternalLeading};
}

}  // namespace

HFONT CreaFontDelSistema(int Altezza) {
    // The face is a preference; the pitch is what matters, and the mapper
    // falls back to any fixed-width font the system has.
    return CreateFontW(-Altezza, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       FIXED_PITCH | FF_MODERN, L"Consolas");
}

CarattereConsole CarattereConsole::PerDpi(UINT Dpi, CreaFont Crea) {
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
        Carattere.font_.reset(Crea(Em));
        const std::optional<SIZE> Misurata = Cella(Misura, Carattere.Font());
        if (!Misurata) {
            Carattere.font_.reset();
            break;
        }
        Carattere.larghezzaColonna_ = Misurata->cx;
        Carattere.altezzaRiga_ = Misurata->cy;
        if (CarattereAdatto(Carattere.larghezzaColonna_, Carattere.altezzaRiga_, Larghezza,
                            Altezza)) {
            break;
        }
    }
    if (Carattere.Font() == nullptr) {
        // Deleting a stock object does nothing, so the font may own it.
        Carattere.font_.reset(static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT)));
        // The stock font's usual cell at 96 DPI where even it cannot be measured.
        const SIZE Ripiego = Cella(Misura, Carattere.Font()).value_or(SIZE{8, 16});
        Carattere.larghezzaColonna_ = Ripiego.cx;
        Carattere.altezzaRiga_ = Ripiego.cy;
    }
    if (Misura != nullptr) {
        DeleteDC(Misura);
    }
    return Carattere;
}

}  // namespace Varnelo
