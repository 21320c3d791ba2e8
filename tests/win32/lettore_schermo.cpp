// A screen reader's client in a process of its own: finds Varnelo.exe's
// window by its caption, brings it to the foreground and hooks its focus
// events out of context, as readers do. Then it chooses each example through
// the item's command (Wine does not expose another process's menus), asks the
// window for its client object and prints every child's name; reads the
// object of the focus event that follows, and of every one after the keys of
// PassiLettore, pressed through SendInput. Last it closes the window and
// calls the object it kept.
//
// Prints UTF-8: for each example "== Index n" and the n names, one a line,
// then "fuoco k child role state name" for every focus event, heard after the
// choice (k = 0) or after key k (k = 1, 2, ...), numbers in hex but k; last
// "chiusa" and the results of two calls made after the close, in hex.
#include <windows.h>

#include <oleacc.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "iid_accessible.h"
#include "main_window/menu.h"
#include "menu_win32.h"
#include "passi_lettore.h"
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

// Bound on waiting for the other process; never a measure of its speed.
constexpr DWORD AttesaMassimaMs = 30000;
// How long nothing is heard after an example's last key, before the next
// choice: keys not yet taken by then would move the next report's line.
constexpr DWORD AttesaSilenzioMs = 2000;

// The lines the window's focus events named, in order, until taken.
HWND FinestraOsservata = nullptr;
std::vector<LONG> FigliFocalizzati;

// Named, not a lambda: the callback must be WINAPI on 32-bit Windows too.
void CALLBACK Registra(HWINEVENTHOOK, DWORD, HWND Finestra, LONG Oggetto, LONG Figlio, DWORD,
                       DWORD) {
    // The system's own events for the client itself name no line.
    if (Finestra == FinestraOsservata && Oggetto == OBJID_CLIENT && Figlio != CHILDID_SELF) {
        FigliFocalizzati.push_back(Figlio);
    }
}

// Runs this thread's messages, where the hook's events come in, until Fatto
// holds or the bound runs out; whether it held.
template <typename Condizione>
bool Attendi(Condizione Fatto, DWORD Limite = AttesaMassimaMs) {
    const ULONGLONG Fine = GetTickCount64() + Limite;
    for (;;) {
        MSG Messaggio;
        while (PeekMessageW(&Messaggio, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&Messaggio);
        }
        const ULONGLONG Ora = GetTickCount64();
        if (Fatto() || Ora >= Fine) {
            return Fatto();
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(Fine - Ora), QS_ALLINPUT);
    }
}

void Tasto(WORD Codice, bool Su) {
    INPUT Evento{};
    Evento.type = INPUT_KEYBOARD;
    Evento.ki.wVk = Codice;
    // The arrows, Home and End of the keyboard's own block.
    const bool Modificatore = Codice == VK_CONTROL || Codice == VK_SHIFT;
    Evento.ki.dwFlags = (Modificatore ? 0 : KEYEVENTF_EXTENDEDKEY) | (Su ? KEYEVENTF_KEYUP : 0);
    SendInput(1, &Evento, sizeof Evento);
}

void Premi(const PassoLettore& Passo) {
    if (Passo.Modificatore != 0) {
        Tasto(Passo.Modificatore, false);
    }
    Tasto(Passo.Tasto, false);
    Tasto(Passo.Tasto, true);
    if (Passo.Modificatore != 0) {
        Tasto(Passo.Modificatore, true);
    }
}

// Reads the object of a focus event on a line as readers do: "fuoco Passo
// child role state name".
HRESULT LeggiFiglio(HWND Finestra, LONG Figlio, int Passo, std::string& Blocco) {
    ComPtr<IAccessible> Oggetto;
    VARIANT Elemento{};
    HRESULT Risultato =
        AccessibleObjectFromEvent(Finestra, static_cast<DWORD>(OBJID_CLIENT),
                                  static_cast<DWORD>(Figlio), Oggetto.GetAddressOf(), &Elemento);
    BSTR Nome = nullptr;
    VARIANT Ruolo{};
    VARIANT Stato{};
    if (SUCCEEDED(Risultato)) {
        Risultato = Oggetto->get_accName(Elemento, &Nome);
    }
    if (SUCCEEDED(Risultato)) {
        Risultato = Oggetto->get_accRole(Elemento, &Ruolo);
    }
    if (SUCCEEDED(Risultato)) {
        Risultato = Oggetto->get_accState(Elemento, &Stato);
    }
    if (SUCCEEDED(Risultato)) {
        Blocco += "fuoco " + std::to_string(Passo) + " " + Esadecimale(Elemento.lVal) + " " +
                  Esadecimale(Ruolo.lVal) + " " + Esadecimale(Stato.lVal) + " " +
                  Utf8(Nome, static_cast<int>(SysStringLen(Nome))) + "\n";
    }
    SysFreeString(Nome);
    VariantClear(&Elemento);
    return Risultato;
}

// Reads every focus event heard so far, once one has come if Atteso, or
// after a silence otherwise. Events come in the order they were sent, so one
// that a silent key sent comes before, and is read with, the next key's.
HRESULT LeggiFuochi(HWND Finestra, int Passo, bool Atteso, std::string& Blocco) {
    if (Atteso) {
        if (!Attendi([] { return !FigliFocalizzati.empty(); })) {
            return HRESULT_FROM_WIN32(ERROR_TIMEOUT);
        }
    } else {
        Attendi([] { return false; }, AttesaSilenzioMs);
    }
    const std::vector<LONG> Figli = std::move(FigliFocalizzati);
    FigliFocalizzati.clear();
    for (const LONG Figlio : Figli) {
        if (const HRESULT Letto = LeggiFiglio(Finestra, Figlio, Passo, Blocco); FAILED(Letto)) {
            return Letto;
        }
    }
    return S_OK;
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

// Chooses each example and reads its lines and its focus, then closes the window.
int LeggiEChiudi(HWND Finestra, DWORD Processo) {
    ComPtr<IAccessible> Client;
    for (const Varnelo::VoceMenu& Voce : Varnelo::VociEsempi) {
        FigliFocalizzati.clear();
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
        if (const HRESULT Letto = LeggiFuochi(Finestra, 0, true, Blocco); FAILED(Letto)) {
            return Fallito("reading the focus after the choice", Letto);
        }
        const auto Passi = std::ranges::find(RigheAttese, Voce.Index, &RigheDeiPassi::Index);
        if (Passi == RigheAttese.end()) {
            return Fallito("no keys for this example", E_UNEXPECTED);
        }
        for (std::size_t k = 0; k < PassiLettore.size(); ++k) {
            Premi(PassiLettore[k]);
            const int Passo = static_cast<int>(k) + 1;
            // A silent key is not waited for: what it said comes before what
            // the next heard key says, or within the silence after the last.
            if (Passi->Righe[k] == 0) {
                continue;
            }
            if (const HRESULT Letto = LeggiFuochi(Finestra, Passo, true, Blocco); FAILED(Letto)) {
                return Fallito(("reading the focus after key " + std::to_string(Passo)).c_str(),
                               Letto);
            }
        }
        if (const HRESULT Letto =
                LeggiFuochi(Finestra, static_cast<int>(PassiLettore.size()), false, Blocco);
            FAILED(Letto)) {
            return Fallito("reading the focus after the keys", Letto);
        }
        if (!Scrivi(Blocco)) {
            return Fallito("writing", HRESULT_FROM_WIN32(GetLastError()));
        }
    }

    // Closed as the user closes it; its process ends with it.
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

int Leggi(HWND Finestra) {
    // The keys go to the foreground window, and focus events come from it.
    SetForegroundWindow(Finestra);
    if (!Attendi([&] { return GetForegroundWindow() == Finestra; })) {
        return Fallito("Varnelo's window did not come to the foreground", E_FAIL);
    }
    DWORD Processo = 0;
    if (GetWindowThreadProcessId(Finestra, &Processo) == 0) {
        return Fallito("GetWindowThreadProcessId", HRESULT_FROM_WIN32(GetLastError()));
    }
    FinestraOsservata = Finestra;
    HWINEVENTHOOK Gancio = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr,
                                           Registra, Processo, 0, WINEVENT_OUTOFCONTEXT);
    if (Gancio == nullptr) {
        return Fallito("SetWinEventHook", HRESULT_FROM_WIN32(GetLastError()));
    }
    const int Esito = LeggiEChiudi(Finestra, Processo);
    UnhookWinEvent(Gancio);
    return Esito;
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
