// Imports the two per-monitor DPI functions of Windows 10 1607 as Varnelo.exe
// once did, before it looked them up at run time: the imports check must
// refuse it. Built, never run.
#undef WINVER
#undef _WIN32_WINNT
#define WINVER 0x0A00
#define _WIN32_WINNT 0x0A00
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    RECT Rettangolo{};
    return AdjustWindowRectExForDpi(&Rettangolo, WS_OVERLAPPEDWINDOW, TRUE, 0,
                                    GetDpiForWindow(GetDesktopWindow()));
}
