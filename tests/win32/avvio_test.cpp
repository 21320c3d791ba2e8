// Varnelo.exe itself, started as a user starts it: its window comes up with
// caption and menu bar, the four examples are chosen from the keyboard and
// painted, and Alt+S ends the program.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "percorso_eseguibile.h"

namespace {

// Bounds on waiting for the other process; never a measure of its speed.
constexpr DWORD AttesaMassimaMs = 20000;
constexpr DWORD PassoMs = 50;

struct Ricerca {
    DWORD Processo;
    HWND Trovata;
};

BOOL CALLBACK SeDelProcesso(HWND Finestra, LPARAM Dati) {
    auto* Cerca = reinterpret_cast<Ricerca*>(Dati);
    DWORD Processo = 0;
    wchar_t Classe[64] = {};
    GetWindowThreadProcessId(Finestra, &Processo);
    GetClassNameW(Finestra, Classe, 64);
    if (Processo == Cerca->Processo && std::wstring(Classe) == L"Varnelo.Form1") {
        Cerca->Trovata = Finestra;
        return FALSE;
    }
    return TRUE;
}

HWND FinestraDelProcesso(DWORD Processo) {
    Ricerca Cerca{Processo, nullptr};
    EnumWindows(SeDelProcesso, reinterpret_cast<LPARAM>(&Cerca));
    return Cerca.Trovata;
}

// Asks Vale again until it holds or the bound runs out; whether it held.
template <typename Condizione>
bool Attendi(Condizione Vale) {
    for (DWORD Atteso = 0; Atteso < AttesaMassimaMs; Atteso += PassoMs) {
        if (Vale()) {
            return true;
        }
        Sleep(PassoMs);
    }
    return Vale();
}

// Dark pixels of the window's client area as it is on the screen, copied in
// one go: a pixel at a time from another process's window is slow.
int PuntiScritti(HWND Finestra) {
    RECT Client{};
    GetClientRect(Finestra, &Client);
    const int Larghezza = Client.right;
    const int Altezza = Client.bottom;
    HDC Schermo = GetDC(Finestra);
    HDC Memoria = CreateCompatibleDC(Schermo);
    HBITMAP Immagine = CreateCompatibleBitmap(Schermo, Larghezza, Altezza);
    const HGDIOBJ Precedente = SelectObject(Memoria, Immagine);
    BitBlt(Memoria, 0, 0, Larghezza, Altezza, Schermo, 0, 0, SRCCOPY);
    SelectObject(Memoria, Precedente);
    BITMAPINFOHEADER Formato{};
    Formato.biSize = sizeof Formato;
    Formato.biWidth = Larghezza;
    Formato.biHeight = -Altezza;
    Formato.biPlanes = 1;
    Formato.biBitCount = 32;
    std::vector<RGBQUAD> Punti(static_cast<std::size_t>(Larghezza) *
                               static_cast<std::size_t>(Altezza));
    const int Righe = GetDIBits(Memoria, Immagine, 0, static_cast<UINT>(Altezza), Punti.data(),
                                reinterpret_cast<BITMAPINFO*>(&Formato), DIB_RGB_COLORS);
    DeleteObject(Immagine);
    DeleteDC(Memoria);
    ReleaseDC(Finestra, Schermo);
    if (Righe != Altezza) {
        return -1;
    }
    int Scuri = 0;
    for (const RGBQUAD& p : Punti) {
        Scuri += p.rgbRed + p.rgbGreen + p.rgbBlue < 384 ? 1 : 0;
    }
    return Scuri;
}

void Tasto(WORD Codice, bool Su) {
    INPUT Evento{};
    Evento.type = INPUT_KEYBOARD;
    Evento.ki.wVk = Codice;
    Evento.ki.dwFlags = Su ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &Evento, sizeof Evento);
}

void ConAlt(WORD Codice) {
    Tasto(VK_MENU, false);
    Tasto(Codice, false);
    Tasto(Codice, true);
    Tasto(VK_MENU, true);
}

void Premi(WORD Codice) {
    Tasto(Codice, false);
    Tasto(Codice, true);
}

// Waits until the painted client area differs from Prima and has stopped
// changing; its count then.
int DopoIlCambio(HWND Finestra, int Prima) {
    int Precedente = Prima;
    int Ora = Prima;
    Attendi([&] {
        Precedente = Ora;
        Ora = PuntiScritti(Finestra);
        return Ora != Prima && Ora == Precedente;
    });
    return Ora;
}

// The started program, ended by force if a failed check leaves it running.
class Programma {
public:
    explicit Programma(std::wstring Comando) {
        STARTUPINFOW Avvio{};
        Avvio.cb = sizeof Avvio;
        if (CreateProcessW(nullptr, Comando.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &Avvio, &processo_)) {
            CloseHandle(processo_.hThread);
        }
    }
    Programma(const Programma&) = delete;
    Programma& operator=(const Programma&) = delete;
    ~Programma() {
        if (processo_.hProcess != nullptr) {
            if (WaitForSingleObject(processo_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(processo_.hProcess, 1);
            }
            CloseHandle(processo_.hProcess);
        }
    }

    bool Avviato() const { return processo_.hProcess != nullptr; }
    DWORD Id() const { return processo_.dwProcessId; }
    HANDLE Handle() const { return processo_.hProcess; }

private:
    PROCESS_INFORMATION processo_{};
};

TEST(AvvioVarnelo, StartsPrintsEveryReportFromTheKeyboardAndEndsWithAltS) {
    const Programma Varnelo(L"\"" + PercorsoEseguibile() + L"\"");
    ASSERT_TRUE(Varnelo.Avviato()) << GetLastError();

    HWND Finestra = nullptr;
    ASSERT_TRUE(Attendi([&] {
        Finestra = FinestraDelProcesso(Varnelo.Id());
        return Finestra != nullptr && IsWindowVisible(Finestra);
    })) << "Varnelo.exe showed no window";
    wchar_t Titolo[64] = {};
    GetWindowTextW(Finestra, Titolo, 64);
    EXPECT_STREQ(Titolo, L"Varnelo di implentazione routine API");
    EXPECT_NE(GetMenu(Finestra), nullptr);
    // Blank, once painted: nothing is printed before the first choice.
    EXPECT_TRUE(Attendi([&] { return PuntiScritti(Finestra) == 0; }));

    SetForegroundWindow(Finestra);
    int Punti = 0;
    for (const char Esempio : {'1', '2', '3', '4'}) {
        ConAlt('V');
        Premi(static_cast<WORD>(Esempio));
        const int Dopo = DopoIlCambio(Finestra, Punti);
        EXPECT_NE(Dopo, Punti) << "no report painted after Alt+V, " << Esempio;
        Punti = Dopo;
    }

    ConAlt('S');
    ASSERT_EQ(WaitForSingleObject(Varnelo.Handle(), AttesaMassimaMs), WAIT_OBJECT_0)
        << "Alt+S did not end Varnelo.exe";
    DWORD Uscita = 1;
    GetExitCodeProcess(Varnelo.Handle(), &Uscita);
    EXPECT_EQ(Uscita, 0u);
}

}  // namespace
