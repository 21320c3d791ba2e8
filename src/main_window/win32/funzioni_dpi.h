// The window's DPI and the window size around a client area at that DPI.
// Per-monitor DPI came in steps: Windows 8.1 tells a monitor's DPI (shcore),
// Windows 10 1607 a window's and the size around a client area at any DPI
// (user32). Each is looked up at run time, and where they are missing
// Windows 7's system-wide DPI serves, so that the executable still loads on
// Windows 7.
#pragma once

#include <windows.h>

namespace Varnelo {

// Finds a function of the system's DLL Libreria by name; null if this system lacks it.
using CercaFunzione = FARPROC (*)(const char* Libreria, const char* Nome);

// The system's own DLLs, from its system directory.
FARPROC CercaNelSistema(const char* Libreria, const char* Nome);

class FunzioniDpi {
public:
    // Looks up GetDpiForWindow and AdjustWindowRectExForDpi, once, and
    // GetDpiForMonitor where there is no GetDpiForWindow.
    explicit FunzioniDpi(CercaFunzione Cerca);

    // The DPI of the window's monitor, asked of the window or, before
    // Windows 10, of its monitor; the screen's (LOGPIXELSX) where neither can
    // say, 96 if nothing answers.
    UINT DellaFinestra(HWND Finestra) const;

    // Grows Rettangolo, a client area, to the window around it at Dpi; without
    // AdjustWindowRectExForDpi, at the system's DPI (on Windows 7 the only one).
    // False if the system cannot say.
    bool AdattaRettangolo(RECT& Rettangolo, DWORD Stile, BOOL ConMenu, DWORD StileEsteso,
                          UINT Dpi) const;

private:
    using FirmaGetDpiForWindow = UINT(WINAPI*)(HWND);
    using FirmaAdjustWindowRectExForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    // The second argument is a MONITOR_DPI_TYPE, which Windows 7's headers lack.
    using FirmaGetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

    FirmaGetDpiForWindow getDpiForWindow_;
    FirmaAdjustWindowRectExForDpi adjustWindowRectExForDpi_;
    FirmaGetDpiForMonitor getDpiForMonitor_;
};

// This system's functions, looked up on the first call and kept.
const FunzioniDpi& FunzioniDpiDelSistema();

}  // namespace Varnelo
