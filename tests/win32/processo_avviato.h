// A program that a test starts, and its window: ended by force if a failed
// check leaves it running.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

class ProcessoAvviato {
public:
    ProcessoAvviato() = default;
    ProcessoAvviato(const ProcessoAvviato&) = delete;
    ProcessoAvviato& operator=(const ProcessoAvviato&) = delete;
    ~ProcessoAvviato() {
        if (Info.hProcess != nullptr) {
            if (WaitForSingleObject(Info.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(Info.hProcess, 99);
            }
            CloseHandle(Info.hProcess);
            CloseHandle(Info.hThread);
        }
    }

    // Starts Eseguibile with no arguments; Eredita passes the inheritable handles on.
    bool Avvia(const std::wstring& Eseguibile, STARTUPINFOW& Avvio, bool Eredita = false,
               const wchar_t* Cartella = nullptr) {
        std::wstring Riga = L"\"" + Eseguibile + L"\"";
        return CreateProcessW(Eseguibile.c_str(), Riga.data(), nullptr, nullptr, Eredita, 0,
                              nullptr, Cartella, &Avvio, &Info) != FALSE;
    }

    // Its exit code once it has ended within AttesaMs; STILL_ACTIVE if it has not.
    DWORD Fine(DWORD AttesaMs = 60000) const {
        DWORD Codice = STILL_ACTIVE;
        if (WaitForSingleObject(Info.hProcess, AttesaMs) == WAIT_OBJECT_0) {
            GetExitCodeProcess(Info.hProcess, &Codice);
        }
        return Codice;
    }

    PROCESS_INFORMATION Info{};
};

struct RicercaFinestra {
    DWORD Processo;
    std::wstring_view Titolo;
    HWND Trovata;
};

// Named, not a lambda: the callback must be WINAPI on 32-bit Windows too.
inline BOOL CALLBACK SeLaFinestraCercata(HWND Finestra, LPARAM Dati) {
    auto* Cerca = reinterpret_cast<RicercaFinestra*>(Dati);
    DWORD Processo = 0;
    GetWindowThreadProcessId(Finestra, &Processo);
    wchar_t Testo[64] = {};
    const int n = GetWindowTextW(Finestra, Testo, 64);
    if (Processo == Cerca->Processo && IsWindowVisible(Finestra) &&
        std::wstring_view(Testo, static_cast<std::size_t>(n)) == Cerca->Titolo) {
        Cerca->Trovata = Finestra;
        return FALSE;
    }
    return TRUE;
}

// Varnelo's caption, as the user reads it.
inline constexpr std::wstring_view TitoloVarnelo = L"Varnelo di implentazione routine API";

// Bounds on waiting for another process; never a measure of its speed.
inline constexpr DWORD AttesaMassimaMs = 30000;
inline constexpr DWORD PassoMs = 50;

// The visible top-level window of the started process whose caption is
// Titolo, looked for until it shows, the process ends or the bound runs out
// (Wine's WaitForInputIdle may return before the window exists); nullptr if none.
inline HWND AttendiFinestra(const PROCESS_INFORMATION& Avviato,
                            std::wstring_view Titolo = TitoloVarnelo) {
    for (DWORD Atteso = 0; Atteso < AttesaMassimaMs; Atteso += PassoMs) {
        RicercaFinestra Cerca{Avviato.dwProcessId, Titolo, nullptr};
        EnumWindows(SeLaFinestraCercata, reinterpret_cast<LPARAM>(&Cerca));
        if (Cerca.Trovata != nullptr) {
            return Cerca.Trovata;
        }
        if (WaitForSingleObject(Avviato.hProcess, PassoMs) != WAIT_TIMEOUT) {
            break;
        }
    }
    return nullptr;
}
