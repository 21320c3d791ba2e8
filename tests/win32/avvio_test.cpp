// Varnelo.exe itself, started as a user starts it: its window comes up with
// caption and menu bar, the four examples are chosen from the keyboard and
// painted, and Alt+S ends the program.
#include <gtest/gtest.h>

#include <windows.h>

#include <string_view>
#include <vector>

#include "percorso_eseguibile.h"
#include "processo_avviato.h"

namespace {

// Bounds on waiting for the other process; never a measure of its speed.
constexpr DWORD AttesaMassimaMs = 20000;
constexpr DWORD PassoMs = 50;

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

TEST(AvvioVarnelo, StartsPrintsEveryReportFromTheKeyboardAndEndsWithAltS) {
    ProcessoAvviato Varnelo;
    STARTUPINFOW Avvio{};
    Avvio.cb = sizeof Avvio;
    ASSERT_TRUE(Varnelo.Avvia(PercorsoEseguibile(), Avvio)) << GetLastError();

    // The caption is checked by finding the window by it.
    constexpr std::wstring_view Titolo = L"Varnelo di implentazione routine API";
    HWND Finestra = nullptr;
    ASSERT_TRUE(Attendi([&] {
        Finestra = FinestraDelProcesso(Varnelo.Info.dwProcessId, Titolo);
        return Finestra != nullptr;
    })) << "Varnelo.exe showed no window with its caption";
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
    EXPECT_EQ(Varnelo.Fine(AttesaMassimaMs), 0u) << "Alt+S ends Varnelo.exe with status 0";
}

}  // namespace
