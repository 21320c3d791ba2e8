// The window's DPI and the window size around a client area at that DPI.
// Per-monitor DPI came with Windows 10 1607: its two functions are looked up
// in user32 at run time, and where they are missing Windows 7's system-wide
// DPI serves, so that the executable still loads on Windows 7.
#pragma once

#include <windows.h>

namespace Varnelo {

// Finds a function of user32 by name; null if this system lacks it.
using CercaInUser32 = FARPROC (*)(const char* Nome);

// The system's own user32, through GetProcAddress.
FARPROC CercaNelSistema(const char* Nome);

class FunzioniDpi {
public:
    // Looks up GetDpiForWindow and AdjustWindowRectExForDpi, once.
    explicit FunzioniDpi(CercaInUser32 Cerca);

    // The DPI of the window's monitor; the screen's (LOGPIXELSX) without
    // GetDpiForWindow, 96 if neither answers.
    UINT DellaFinestra(HWND Finestra) const;

    // Grows Rettangolo, a client area, to the window around it at Dpi; without
    // AdjustWindowRectExForDpi, at the system's DPI (on Windows 7 the only one).
    // False if the system cannot say.
    bool AdattaRettangolo(RECT& Rettangolo, DWORD Stile, BOOL ConMenu, DWORD StileEsteso,
                          UINT Dpi) const;

private:
    using FirmaGetDpiForWindow = UINT(WINAPI*)(HWND);
    using FirmaAdjustWindowRectExForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

    FirmaGetDpiForWindow getDpiForWindow_;
    FirmaAdjustWindowRectExForDpi adjustWindowRectExForDpi_;
};

// This system's functions, looked up on the first call and kept.
const FunzioniDpi& FunzioniDpiDelSistema();

}  // namespace Varnelo
