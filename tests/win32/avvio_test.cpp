// Varnelo.exe itself, started as a user starts it: its window comes up with
// caption and menu bar, the four examples are chosen from the keyboard and
// painted, and Alt+S ends the program.
#include <gtest/gtest.h>

#include <windows.h>

#include <string_view>

#include "immagine_client.h"
#include "percorso_eseguibile.h"
#include "processo_avviato.h"

namespace {

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
        Ora = PuntiScritti(Finestra, true);
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
    const HWND Finestra = AttendiFinestra(Varnelo.Info);
    ASSERT_NE(Finestra, nullptr) << "Varnelo.exe showed no window with its caption";
    EXPECT_NE(GetMenu(Finestra), nullptr);
    // Blank, once painted: nothing is printed before the first choice.
    EXPECT_TRUE(Attendi([&] { return PuntiScritti(Finestra, true) == 0; }));

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
