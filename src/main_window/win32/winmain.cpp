// Varnelo.exe: shows Form1 and runs the message loop until it is unloaded.
#include <windows.h>

#include <objbase.h>

#include <string>

#include "finestra_principale.h"

namespace {

void SegnalaFinestraMancante(DWORD Errore) {
    const std::wstring Messaggio =
        L"Impossibile creare la finestra del programma (errore " + std::to_wstring(Errore) + L").";
    MessageBoxW(nullptr, Messaggio.c_str(), L"Varnelo", MB_OK | MB_ICONERROR);
}

// COM for the window's thread, which screen readers' calls come in on;
// without it the window still works, unread.
class AvvioCom {
public:
    AvvioCom() : pronto_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    AvvioCom(const AvvioCom&) = delete;
    AvvioCom& operator=(const AvvioCom&) = delete;
    ~AvvioCom() {
        if (pronto_) {
            CoUninitialize();
        }
    }

private:
    bool pronto_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE Istanza, HINSTANCE, PWSTR, int Mostra) {
    const AvvioCom Com;
    Varnelo::FinestraPrincipale Finestra(Istanza);
    if (!Finestra.Crea()) {
        SegnalaFinestraMancante(GetLastError());
        return 1;
    }
    ShowWindow(Finestra.Handle(), Mostra);
    UpdateWindow(Finestra.Handle());

    MSG Messaggio;
    BOOL Esito;
    while ((Esito = GetMessageW(&Messaggio, nullptr, 0, 0)) > 0) {
        TranslateMessage(&Messaggio);
        DispatchMessageW(&Messaggio);
    }
    return Esito == 0 ? static_cast<int>(Messaggio.wParam) : 1;
}
