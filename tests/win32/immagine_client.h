// A window's client area as it is painted, and the dark pixels of it (the
// printed text): one way for every Windows test that looks at the painting.
#pragma once

#include <windows.h>

#include <vector>

struct ImmagineClient {
    int Larghezza = 0;
    int Altezza = 0;
    std::vector<RGBQUAD> Punti;  // top row first; empty if it could not be taken
};

// The format of its points: 32 bits each, the top row first (a negative height).
inline BITMAPINFOHEADER Formato(const ImmagineClient& Immagine) {
    BITMAPINFOHEADER Intestazione{};
    Intestazione.biSize = sizeof Intestazione;
    Intestazione.biWidth = Immagine.Larghezza;
    Intestazione.biHeight = -Immagine.Altezza;
    Intestazione.biPlanes = 1;
    Intestazione.biBitCount = 32;
    return Intestazione;
}

// Painted by the window itself (PrintWindow); or copied from the screen, for a
// window of another process, whose painting cannot reach this one's bitmap.
inline ImmagineClient Fotografa(HWND Finestra, bool DalloSchermo) {
    ImmagineClient Immagine;
    RECT Client{};
    GetClientRect(Finestra, &Client);
    Immagine.Larghezza = Client.right;
    Immagine.Altezza = Client.bottom;
    HDC Schermo = GetDC(Finestra);
    HDC Memoria = CreateCompatibleDC(Schermo);
    HBITMAP Bitmap = CreateCompatibleBitmap(Schermo, Immagine.Larghezza, Immagine.Altezza);
    const HGDIOBJ Precedente = SelectObject(Memoria, Bitmap);
    const bool Presa = DalloSchermo ? BitBlt(Memoria, 0, 0, Immagine.Larghezza, Immagine.Altezza,
                                             Schermo, 0, 0, SRCCOPY) != FALSE
                                    : PrintWindow(Finestra, Memoria, PW_CLIENTONLY) != FALSE;
    SelectObject(Memoria, Precedente);
    BITMAPINFOHEADER FormatoPunti = Formato(Immagine);
    Immagine.Punti.resize(static_cast<std::size_t>(Immagine.Larghezza) *
                          static_cast<std::size_t>(Immagine.Altezza));
    const int Righe =
        GetDIBits(Memoria, Bitmap, 0, static_cast<UINT>(Immagine.Altezza), Immagine.Punti.data(),
                  reinterpret_cast<BITMAPINFO*>(&FormatoPunti), DIB_RGB_COLORS);
    DeleteObject(Bitmap);
    DeleteDC(Memoria);
    ReleaseDC(Finestra, Schermo);
    if (!Presa || Righe != Immagine.Altezza) {
        Immagine.Punti.clear();
    }
    return Immagine;
}

// Dark pixels of the client area; -1 if its picture could not be taken.
inline int PuntiScritti(HWND Finestra, bool DalloSchermo) {
    const ImmagineClient Immagine = Fotografa(Finestra, DalloSchermo);
    if (Immagine.Punti.empty()) {
        return -1;
    }
    int Scuri = 0;
    for (const RGBQUAD& p : Immagine.Punti) {
        Scuri += p.rgbRed + p.rgbGreen + p.rgbBlue < 384 ? 1 : 0;
    }
    return Scuri;
}
