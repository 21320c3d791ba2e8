#include "funzioni_dpi.h"

namespace Varnelo {

namespace {

// Through void(*)(), the one function type a cast from FARPROC may pass.
template <typename Firma>
Firma Come(FARPROC Indirizzo) {
    return reinterpret_cast<Firma>(reinterpret_cast<void (*)()>(Indirizzo));
}

UINT DpiDelloSchermo() {
    HDC Schermo = GetDC(nullptr);
    if (Schermo == nullptr) {
        return USER_DEFAULT_SCREEN_DPI;
    }
    const int Dpi = GetDeviceCaps(Schermo, LOGPIXELSX);
    ReleaseDC(nullptr, Schermo);
    return Dpi > 0 ? static_cast<UINT>(Dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

FARPROC CercaNelSistema(const char* Nome) {
    // Every window program has user32 loaded, for the whole process.
    const HMODULE User32 = GetModuleHandleW(L"user32");
    return User32 != nullptr ? GetProcAddress(User32, Nome) : nullptr;
}

FunzioniDpi::FunzioniDpi(CercaInUser32 Cerca)
    : getDpiForWindow_(Come<FirmaGetDpiForWindow>(Cerca("GetDpiForWindow"))),
      adjustWindowRectExForDpi_(
          Come<FirmaAdjustWindowRectExForDpi>(Cerca("AdjustWindowRectExForDpi"))) {}

UINT FunzioniDpi::DellaFinestra(HWND Finestra) const {
    // GetDpiForWindow answers 0 for a window that is not one.
    const UINT Dpi = getDpiForWindow_ != nullptr ? getDpiForWindow_(Finestra) : 0;
    return Dpi != 0 ? Dpi : DpiDelloSchermo();
}

bool FunzioniDpi::AdattaRettangolo(RECT& Rettangolo, DWORD Stile, BOOL ConMenu, DWORD StileEsteso,
                                   UINT Dpi) const {
    if (adjustWindowRectExForDpi_ != nullptr) {
        return adjustWindowRectExForDpi_(&Rettangolo, Stile, ConMenu, StileEsteso, Dpi) != FALSE;
    }
    return AdjustWindowRectEx(&Rettangolo, Stile, ConMenu, StileEsteso) != FALSE;
}

const FunzioniDpi& FunzioniDpiDelSistema() {
    static const FunzioniDpi Funzioni(CercaNelSistema);
    return Funzioni;
}

}  // namespace Varnelo
