// A picture of Varnelo.exe's client area with example 4, for the README, as
// the window paints itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <vector>

#include "finestra_principale.h"

namespace {

// Writes a 24-bit bottom-up BMP of the bitmap selected into Contesto.
bool SalvaBmp(HDC Contesto, HBITMAP Immagine, int Larghezza, int Altezza, const char* File) {
    BITMAPINFOHEADER Intestazione{};
    Intestazione.biSize = sizeof Intestazione;
    Intestazione.biWidth = Larghezza;
    Intestazione.biHeight = Altezza;
    Intestazione.biPlanes = 1;
    Intestazione.biBitCount = 24;
    const int Riga = ((Larghezza * 3 + 3) / 4) * 4;
    std::vector<char> Punti(static_cast<std::size_t>(Riga) * static_cast<std::size_t>(Altezza));
    if (GetDIBits(Contesto, Immagine, 0, static_cast<UINT>(Altezza), Punti.data(),
                  reinterpret_cast<BITMAPINFO*>(&Intestazione), DIB_RGB_COLORS) == 0) {
        return false;
    }
    BITMAPFILEHEADER File_{};
    File_.bfType = 0x4D42;
    File_.bfOffBits = sizeof File_ + sizeof Intestazione;
    File_.bfSize = File_.bfOffBits + static_cast<DWORD>(Punti.size());
    std::ofstream Uscita(File, std::ios::binary);
    Uscita.write(reinterpret_cast<const char*>(&File_), sizeof File_);
    Uscita.write(reinterpret_cast<const char*>(&Intestazione), sizeof Intestazione);
    Uscita.write(Punti.data(), static_cast<std::streamsize>(Punti.size()));
    return static_cast<bool>(Uscita);
}

}  // namespace

TEST(SchermataWin32, WindowWithExample4IsSavedWhole) {
    Varnelo::FinestraPrincipale f(GetModuleHandleW(nullptr));
    ASSERT_TRUE(f.Crea());
    ShowWindow(f.Handle(), SW_SHOWNOACTIVATE);
    SendMessageW(f.Handle(), WM_COMMAND, MAKEWPARAM(40, 0), 0);
    UpdateWindow(f.Handle());

    RECT Client{};
    GetClientRect(f.Handle(), &Client);
    const int Larghezza = Client.right;
    const int Altezza = Client.bottom;
    HDC Schermo = GetDC(nullptr);
    HDC Memoria = CreateCompatibleDC(Schermo);
    HBITMAP Immagine = CreateCompatibleBitmap(Schermo, Larghezza, Altezza);
    HGDIOBJ Precedente = SelectObject(Memoria, Immagine);
    ASSERT_TRUE(PrintWindow(f.Handle(), Memoria, PW_CLIENTONLY));
    SelectObject(Memoria, Precedente);
    EXPECT_TRUE(SalvaBmp(Memoria, Immagine, Larghezza, Altezza, VARNELO_SCHERMATA_BMP));
    DeleteObject(Immagine);
    DeleteDC(Memoria);
    ReleaseDC(nullptr, Schermo);
}
