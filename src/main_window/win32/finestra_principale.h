// The native window of Form1: creates it with its menu, turns menu commands
// into Form1's click handlers and paints the lines Form1 keeps.
#pragma once

#include <windows.h>

#include "carattere_console.h"
#include "funzioni_dpi.h"
#include "main_window/form1.h"

namespace Varnelo {

inline constexpr wchar_t NomeClasseFinestra[] = L"Varnelo.Form1";

class AccessibileReport;

class FinestraPrincipale {
public:
    // Dpi: the system's functions; a test hands in its own lookup's.
    explicit FinestraPrincipale(HINSTANCE Istanza, const FunzioniDpi& Dpi = FunzioniDpiDelSistema())
        : istanza_(Istanza), dpi_(Dpi) {}
    FinestraPrincipale(const FinestraPrincipale&) = delete;
    FinestraPrincipale& operator=(const FinestraPrincipale&) = delete;
    ~FinestraPrincipale();

    // Registers the window class and creates the window, not yet shown.
    // False if either fails; GetLastError says why.
    bool Crea();

    // Null once the window has been destroyed.
    HWND Handle() const { return hwnd_; }
    const Form1& Form() const { return form_; }
    const CarattereConsole& Carattere() const { return carattere_; }

private:
    static LRESULT CALLBACK Procedura(HWND Finestra, UINT Messaggio, WPARAM w, LPARAM l);
    LRESULT Gestisci(UINT Messaggio, WPARAM w, LPARAM l);

    bool OnCreate();
    void OnPaint();
    void OnCommand(WORD Id);
    LRESULT OnGetObject(WPARAM w, LPARAM l);
    void OnDpiChanged(UINT Dpi, const RECT& Suggerito);
    void OnDestroy();

    void Disegna(HDC Contesto);

    HINSTANCE istanza_;
    FunzioniDpi dpi_;
    HWND hwnd_ = nullptr;
    Form1 form_;
    CarattereConsole carattere_;
    // What screen readers are given, made on their first request; the window
    // holds one reference until it goes.
    AccessibileReport* accessibile_ = nullptr;
};

}  // namespace Varnelo
