// Varnelo.exe: shows Form1 and runs the message loop until it is unloaded.
#include <windows.h>

#include <string>

#include "finestra_principale.h"
#include "shared/win32/dll_di_sistema.h"

namespace {

void SegnalaFinestraMancante(const std::wstring& Fallimento) {
    const std::wstring Messaggio =
        L"Impossibile creare la finestra del programma: " + Fallimento + L".";
    MessageBoxW(nullptr, Messaggio.c_str(), L"Varnelo", MB_OK | MB_ICONERROR);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE Istanza, HINSTANCE, PWSTR, int Mostra) {
    // Before anything loads a DLL by name.
    Modulo1::Legame::LimitaDllAlSistema();
    Varnelo::FinestraPrincipale Finestra(Istanza);
    if (!Finestra.Crea()) {
        SegnalaFinestraMancante(Finestra.Fallimento());
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
