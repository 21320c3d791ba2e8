// A picture of Varnelo.exe's client area with example 4, for the README, as
// the window paints itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "finestra_di_prova.h"
#include "immagine_client.h"

using SchermataWin32 = FinestraDiProva;

TEST_F(SchermataWin32, WindowWithExample4IsSavedWhole) {
    Scegli(40);
    UpdateWindow(f.Handle());

    const ImmagineClient Immagine = Fotografa(f.Handle(), false);
    ASSERT_FALSE(Immagine.Punti.empty());
    const BITMAPINFOHEADER Intestazione = Formato(Immagine);
    const auto Byte = static_cast<DWORD>(Immagine.Punti.size() * sizeof(RGBQUAD));
    BITMAPFILEHEADER File{};
    File.bfType = 0x4D42;
    File.bfOffBits = sizeof File + sizeof Intestazione;
    File.bfSize = File.bfOffBits + Byte;
    std::ofstream Uscita(VARNELO_SCHERMATA_BMP, std::ios::binary);
    Uscita.write(reinterpret_cast<const char*>(&File), sizeof File);
    Uscita.write(reinterpret_cast<const char*>(&Intestazione), sizeof Intestazione);
    Uscita.write(reinterpret_cast<const char*>(Immagine.Punti.data()),
                 static_cast<std::streamsize>(Byte));
    EXPECT_TRUE(Uscita);
}
