// Starts the program from a Start-menu entry as the shell does: reads the
// link, checks that it points at the installed exe and its folder, starts it
// the way the link says, and checks that the program's window shows and that
// the program ends when the window is closed.
// Usage: varnelo_avvio_da_menu ENTRY EXE (Windows paths). Exit status 0 when
// all of that holds, 1 with the reason on stderr when not, 2 for bad usage.
#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "processo_avviato.h"

namespace {

struct Collegamento {
    std::wstring Destinazione;
    std::wstring Cartella;
    int Finestra = SW_SHOWNORMAL;
};

// The link as the shell reads it; false if it cannot be read.
bool LeggiCollegamento(const wchar_t* Voce, Collegamento& Letto) {
    IShellLinkW* Link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&Link)))) {
        return false;
    }
    IPersistFile* File = nullptr;
    bool Letta = SUCCEEDED(Link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&File)));
    if (Letta) {
        Letta = SUCCEEDED(File->Load(Voce, STGM_READ));
        File->Release();
    }
    wchar_t Destinazione[MAX_PATH] = {};
    wchar_t Cartella[MAX_PATH] = {};
    Letta = Letta && Link->GetPath(Destinazione, MAX_PATH, nullptr, 0) == S_OK &&
            SUCCEEDED(Link->GetWorkingDirectory(Cartella, MAX_PATH)) &&
            SUCCEEDED(Link->GetShowCmd(&Letto.Finestra));
    Link->Release();
    Letto.Destinazione = Destinazione;
    Letto.Cartella = Cartella;
    return Letta;
}

int Fallito(const wchar_t* Motivo) {
    std::fwprintf(stderr, L"%ls (error %lu)\n", Motivo, GetLastError());
    return 1;
}

// Shows and closes the window of the started program; 0 if it then ends with status 0.
int ChiudiFinestra(const PROCESS_INFORMATION& Avviato) {
    const HWND Finestra = AttendiFinestra(Avviato);
    if (Finestra == nullptr) {
        TerminateProcess(Avviato.hProcess, 1);
        return Fallito(L"the program showed no window");
    }
    if (!PostMessageW(Finestra, WM_CLOSE, 0, 0)) {
        TerminateProcess(Avviato.hProcess, 1);
        return Fallito(L"the window cannot be closed");
    }
    if (WaitForSingleObject(Avviato.hProcess, AttesaMassimaMs) != WAIT_OBJECT_0) {
        TerminateProcess(Avviato.hProcess, 1);
        return Fallito(L"the program did not end after its window was closed");
    }
    DWORD Uscita = 0;
    if (!GetExitCodeProcess(Avviato.hProcess, &Uscita)) {
        return Fallito(L"the program's exit status cannot be read");
    }
    if (Uscita != 0) {
        std::fwprintf(stderr, L"the program ended with status %lu\n", Uscita);
        return 1;
    }
    return 0;
}

int Verifica(const wchar_t* Voce, const std::wstring& Eseguibile) {
    Collegamento Link;
    if (!LeggiCollegamento(Voce, Link)) {
        return Fallito(L"the entry cannot be read as a link");
    }
    const std::wstring Cartella = Eseguibile.substr(0, Eseguibile.find_last_of(L'\\'));
    // Windows Installer ends every folder with a backslash.
    if (Link.Cartella.size() > 1 && Link.Cartella.back() == L'\\') {
        Link.Cartella.pop_back();
    }
    if (_wcsicmp(Link.Destinazione.c_str(), Eseguibile.c_str()) != 0 ||
        _wcsicmp(Link.Cartella.c_str(), Cartella.c_str()) != 0) {
        std::fwprintf(stderr, L"the entry starts %ls in %ls, not %ls in %ls\n",
                      Link.Destinazione.c_str(), Link.Cartella.c_str(), Eseguibile.c_str(),
                      Cartella.c_str());
        return 1;
    }

    STARTUPINFOW Avvio{};
    Avvio.cb = sizeof Avvio;
    Avvio.dwFlags = STARTF_USESHOWWINDOW;
    Avvio.wShowWindow = static_cast<WORD>(Link.Finestra);
    std::wstring Comando = L"\"" + Link.Destinazione + L"\"";
    PROCESS_INFORMATION Avviato{};
    if (!CreateProcessW(Link.Destinazione.c_str(), Comando.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, Link.Cartella.c_str(), &Avvio, &Avviato)) {
        return Fallito(L"the entry's program cannot be started");
    }
    const int Esito = ChiudiFinestra(Avviato);
    CloseHandle(Avviato.hThread);
    CloseHandle(Avviato.hProcess);
    return Esito;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: varnelo_avvio_da_menu ENTRY EXE\n");
        return 2;
    }
    const HRESULT Com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(Com)) {
        std::fwprintf(stderr, L"COM cannot start (0x%08lx)\n", static_cast<unsigned long>(Com));
        return 1;
    }
    const int Esito = Verifica(argv[1], argv[2]);
    CoUninitialize();
    return Esito;
}
