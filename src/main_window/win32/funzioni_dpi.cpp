#include "funzioni_dpi.h"

#include "shared/win32/dll_di_sistema.h"

namespace Varnelo {

namespace {

using Modulo1::Legame::Come;

// MDT_EFFECTIVE_DPI: the DPI that the user's scale setting gives the monitor.
constexpr int DpiEffettivo = 0;

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

FARPROC CercaNelSistema(const char* Libreria, const char* Nome) {
    return Modulo1::Legame::CercaNelSistema<FARPROC>(Libreria, Nome);
}

FunzioniDpi::FunzioniDpi(CercaFunzione Cerca)
    : getDpiForWindow_(Come<FirmaGetDpiForWindow>(Cerca("user32", "GetDpiForWindow"))),
      adjustWindowRectExForDpi_(
          Come<FirmaAdjustWindowRectExForDpi>(Cerca("user32", "AdjustWindowRectExForDpi"))),
      // shcore, which no other part of the program needs, only where user32 cannot answer.
      getDpiForMonitor_(getDpiForWindow_ != nullptr
                            ? nullptr
                            : Come<FirmaGetDpiForMonitor>(Cerca("shcore", "GetDpiForMonitor"))) {}

UINT FunzioniDpi::DellaFinestra(HWND Finestra) const {
    // GetDpiForWindow answers 0 for a window that is not one.
    if (const UINT Dpi = getDpiForWindow_ != nullptr ? getDpiForWindow_(Finestra) : 0; Dpi != 0) {
        return Dpi;
    }
    UINT x = 0;
    UINT y = 0;
    if (getDpiForMonitor_ != nullptr &&
        SUCCEEDED(getDpiForMonitor_(MonitorFromWindow(Finestra, MONITOR_DEFAULTTONEAREST),
                                    DpiEffettivo, &x, &y)) &&
        x != 0) {
        return x;
    }
    return DpiDelloSchermo();
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
