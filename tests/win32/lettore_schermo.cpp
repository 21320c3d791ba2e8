// A screen reader's client in a process of its own: finds Varnelo.exe's
// window by its caption, chooses each example through the item's command
// (Wine does not expose another process's menus), asks the window for its
// client object as readers do and prints every child's name. Then it closes
// the window and calls the object it kept.
//
// Prints UTF-8: for each example "== Index n" and the n names, one a line;
// last "chiusa" and the results of two calls made after the close, in hex.
#include <windows.h>

#include <oleacc.h>
#include <wrl/client.h>

#include <cstdio>
#include <string>
#include <vector>

#include "iid_accessible.h"
#include "main_window/menu.h"
#include "menu_win32.h"
#include "testo_largo.h"

namespace {

using Microsoft::WRL::ComPtr;

bool Scrivi(const std::string& Testo) {
    DWORD Scritti = 0;
    return WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), Testo.data(),
                     static_cast<DWORD>(Testo.size()), &Scritti, nullptr) &&
           Scritti == Testo.size();
}

std::string Utf8(const wchar_t* Testo, int Lunghezza) {
    if (Lunghezza == 0) {
        return {};
    }
    const int Byte =
        WideCharToMultiByte(CP_UTF8, 0, Testo, Lunghezza, nullptr, 0, nullptr, nullptr);
    std::string Risultato(static_cast<std::size_t>(Byte), '\0');
    if (Byte == 0 || WideCharToMultiByte(CP_UTF8, 0, Testo, Lunghezza, Risultato.data(), Byte,
                                         nullptr, nullptr) != Byte) {
        return "(not UTF-16)";
    }
    return Risultato;
}

std::string Esadecimale(HRESULT Risultato) {
    char Testo[16];
    std::snprintf(Testo, sizeof Testo, "%08lx", static_cast<unsigned long>(Risultato));
    return Testo;
}

int Fallito(const char* Cosa, HRESULT Risultato) {
    std::fprintf(stderr, "lettore_schermo: %s: %s\n", Cosa, Esadecimale(Risultato).c_str());
    return 1;
}

// The names of every child of the client object, in the order readers get them.
HRESULT LeggiFigli(IAccessible* Client, std::vector<std::string>& Nomi) {
    LONG Numero = 0;
    HRESULT Risultato = Client->get_accChildCount(&Numero);
    if (FAILED(Risultato)) {
        return Risultato;
    }
    std::vector<VARIANT> Figli(static_cast<std::size_t>(Numero));
    LONG Ottenuti = 0;
    Risultato = AccessibleChildren(Client, 0, Numero, Figli.data(), &Ottenuti);
    for (LONG i = 0; SUCCEEDED(Risultato) && i < Ottenuti; ++i) {
        BSTR Nome = nullptr;
        Risultato = Figli[static_cast<std::size_t>(i)].vt == VT_I4
                        ? Client->get_accName(Figli[static_cast<std::size_t>(i)], &Nome)
                        : E_UNEXPECTED;  // lines are simple elements, never objects
        if (SUCCEEDED(Risultato)) {
            Nomi.push_back(Utf8(Nome, static_cast<int>(SysStringLen(Nome))));
        }
        SysFreeString(Nome);
    }
    for (VARIANT& Figlio : Figli) {
        VariantClear(&Figlio);
    }
    return SUCCEEDED(Risultato) && Ottenuti != Numero ? E_UNEXPECTED : Risultato;
}

int Leggi(HWND Finestra) {
    ComPtr<IAccessible> Client;
    for (const Varnelo::VoceMenu& Voce : Varnelo::VociEsempi) {
        SendMessageW(Finestra, WM_COMMAND, MAKEWPARAM(Voce.Index, 0), 0);
        Client.Reset();
        const HRESULT Risultato =
            AccessibleObjectFromWindow(Finestra, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                       reinterpret_cast<void**>(Client.GetAddressOf()));
        if (FAILED(Risultato)) {
            return Fallito("AccessibleObjectFromWindow", Risultato);
        }
        std::vector<std::string> Nomi;
        if (const HRESULT Letti = LeggiFigli(Client.Get(), Nomi); FAILED(Letti)) {
            return Fallito("reading the children", Letti);
        }
        std::string Blocco =
            "== " + std::to_string(Voce.Index) + " " + std::to_string(Nomi.size()) + "\n";
        for (const std::string& Nome : Nomi) {
            Blocco += Nome + "\n";
        }
        if (!Scrivi(Blocco)) {
            return Fallito("writing", HRESULT_FROM_WIN32(GetLastError()));
        }
    }

    // Closed as the user closes it; its process ends with it.
    DWORD Processo = 0;
    if (GetWindowThreadProcessId(Finestra, &Processo) == 0) {
        return Fallito("GetWindowThreadProcessId", HRESULT_FROM_WIN32(GetLastError()));
    }
    HANDLE Server = OpenProcess(SYNCHRONIZE, FALSE, Processo);
    if (Server == nullptr) {
        return Fallito("OpenProcess", HRESULT_FROM_WIN32(GetLastError()));
    }
    SendMessageW(Finestra, WM_COMMAND, MAKEWPARAM(Varnelo::IdEsci, 0), 0);
    LONG Numero = 0;
    const HRESULT SubitoDopo = Client->get_accChildCount(&Numero);
    const DWORD Atteso = WaitForSingleObject(Server, 60000);
    CloseHandle(Server);
    if (Atteso != WAIT_OBJECT_0) {
        return Fallito("Varnelo.exe did not end", HRESULT_FROM_WIN32(Atteso));
    }
    BSTR Nome = nullptr;
    VARIANT Primo{};
    Primo.vt = VT_I4;
    Primo.lVal = 1;
    const HRESULT AProcessoFinito = Client->get_accName(Primo, &Nome);
    SysFreeString(Nome);
    Client.Reset();
    return Scrivi("chiusa " + Esadecimale(SubitoDopo) + " " + Esadecimale(AProcessoFinito) + "\n")
               ? 0
               : Fallito("writing", HRESULT_FROM_WIN32(GetLastError()));
}

}  // namespace

int main() {
    const HRESULT Com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(Com)) {
        return Fallito("CoInitializeEx", Com);
    }
    const std::wstring Didascalia = TestoLargo(Varnelo::Didascalia);
    HWND Finestra = FindWindowW(nullptr, Didascalia.c_str());
    const int Esito = Finestra != nullptr ? Leggi(Finestra)
                                          : Fallito("no window captioned as Varnelo's",
                                                    HRESULT_FROM_WIN32(GetLastError()));
    CoUninitialize();
    return Esito;
}
