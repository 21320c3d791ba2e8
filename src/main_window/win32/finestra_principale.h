// The native window of Form1: creates it with its menu, turns menu commands
// into Form1's click handlers and the line keys into its moves, and paints
// the lines Form1 keeps.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

#include "carattere_console.h"
#include "funzioni_dpi.h"
#include "main_window/form1.h"

namespace Varnelo {

inline constexpr wchar_t NomeClasseFinestra[] = L"Varnelo.Form1";

class AccessibileReport;
struct ReportDellaFinestra;

class FinestraPrincipale {
public:
    // Dpi: the system's functions; a test hands in its own lookup's.
    explicit FinestraPrincipale(HINSTANCE Istanza, const FunzioniDpi& Dpi = FunzioniDpiDelSistema())
        : istanza_(Istanza), dpi_(Dpi) {}
    FinestraPrincipale(const FinestraPrincipale&) = delete;
    FinestraPrincipale& operator=(const FinestraPrincipale&) = delete;
    ~FinestraPrincipale();

    // Registers the window class and creates the window, not yet shown.
    // False if either fails; Fallimento then says what failed.
    bool Crea();
    // What failed, in the user's words, with the system's error code where it gave one.
    const std::wstring& Fallimento() const { return fallimento_; }

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
    // False for a key that moves no line, which the system then handles.
    bool OnKeyDown(WPARAM Codice);
    void OnFocus();
    LRESULT OnGetObject(WPARAM w, LPARAM l);
    void OnDpiChanged(UINT Dpi, const RECT& Suggerito);
    void OnSettingChange(WPARAM Parametro);
    void OnDestroy();

    // Picks the font for the window's DPI and sizes the window round the
    // designed client area; false if the system cannot work the size out.
    bool Dimensiona();
    void Disegna(HDC Contesto);
    // The line to paint with the focus rectangle, if any.
    std::optional<std::size_t> RigaConFuoco() const;
    ReportDellaFinestra Report() const;
    // Records what failed, and the calling thread's last error; false.
    bool Fallisce(const wchar_t* Passo);

    HINSTANCE istanza_;
    FunzioniDpi dpi_;
    HWND hwnd_ = nullptr;
    // Set once WM_CREATE has succeeded: only a window that was made ends the program.
    bool creata_ = false;
    std::wstring fallimento_;
    Form1 form_;
    CarattereConsole carattere_;
    // Set by the first move by line: until then the window looks as it
    // always has, with no focus rectangle.
    bool righeDaTastiera_ = false;
    // What screen readers are given, made on their first request; the window
    // holds one reference until it goes.
    AccessibileReport* accessibile_ = nullptr;
};

}  // namespace Varnelo
