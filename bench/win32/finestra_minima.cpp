// The Windows baseline: the least Win32 program with Varnelo's caption, menu
// and client size. It paints nothing of its own and imports only what a
// window needs; closing it ends it.
#include <windows.h>

#include "main_window/menu.h"
#include "menu_win32.h"
#include "testo_largo.h"

namespace {

LRESULT CALLBACK Procedura(HWND Finestra, UINT Messaggio, WPARAM w, LPARAM l) {
    if (Messaggio == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(Finestra, Messaggio, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE Istanza, HINSTANCE, PWSTR, int Mostra) {
    WNDCLASSW Classe{};
    Classe.lpfnWndProc = Procedura;
    Classe.hInstance = Istanza;
    Classe.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    Classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    Classe.lpszClassName = L"FinestraMinima";
    if (RegisterClassW(&Classe) == 0) {
        return 1;
    }
    HMENU Menu = Varnelo::CreaBarraMenu();
    RECT Rettangolo{0, 0, Varnelo::LarghezzaClient, Varnelo::AltezzaClient};
    AdjustWindowRect(&Rettangolo, WS_OVERLAPPEDWINDOW, TRUE);
    const std::wstring Titolo = TestoLargo(Varnelo::Didascalia);
    HWND Finestra =
        CreateWindowW(Classe.lpszClassName, Titolo.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, Rettangolo.right - Rettangolo.left,
                      Rettangolo.bottom - Rettangolo.top, nullptr, Menu, Istanza, nullptr);
    if (Finestra == nullptr) {
        return 1;
    }
    ShowWindow(Finestra, Mostra);
    MSG Messaggio;
    while (GetMessageW(&Messaggio, nullptr, 0, 0) > 0) {
        TranslateMessage(&Messaggio);
        DispatchMessageW(&Messaggio);
    }
    return 0;
}
