#include "finestra_principale.h"

#include <optional>

#include "accessibile_report.h"
#include "disegno.h"
#include "main_window/menu.h"
#include "menu_win32.h"
#include "resources/windows/risorse.h"
#include "testo_largo.h"

namespace Varnelo {

namespace {

bool RegistraClasse(HINSTANCE Istanza, WNDPROC Procedura) {
    WNDCLASSEXW Classe{};
    Classe.cbSize = sizeof Classe;
    Classe.lpfnWndProc = Procedura;
    Classe.hInstance = Istanza;
    Classe.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // Executables without the icon resource (the tests) get the system's.
    Classe.hIcon = static_cast<HICON>(LoadImageW(Istanza, MAKEINTRESOURCEW(IDI_VARNELO), IMAGE_ICON,
                                                 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    Classe.hIconSm = static_cast<HICON>(LoadImageW(Istanza, MAKEINTRESOURCEW(IDI_VARNELO),
                                                   IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    Classe.lpszClassName = NomeClasseFinestra;
    return RegisterClassExW(&Classe) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The window size whose client area is the designed one at Dpi, menu included;
// nothing if the system cannot work it out.
std::optional<SIZE> DimensioneFinestra(const FunzioniDpi& Funzioni, HWND Finestra, UINT Dpi) {
    RECT Rettangolo{0, 0, MulDiv(LarghezzaClient, static_cast<int>(Dpi), 96),
                    MulDiv(AltezzaClient, static_cast<int>(Dpi), 96)};
    const auto Stile = static_cast<DWORD>(GetWindowLongPtrW(Finestra, GWL_STYLE));
    const auto StileEsteso = static_cast<DWORD>(GetWindowLongPtrW(Finestra, GWL_EXSTYLE));
    if (!Funzioni.AdattaRettangolo(Rettangolo, Stile, TRUE, StileEsteso, Dpi)) {
        return std::nullopt;
    }
    return SIZE{Rettangolo.right - Rettangolo.left, Rettangolo.bottom - Rettangolo.top};
}

std::optional<Tasto> TastoDi(WPARAM Codice) {
    switch (Codice) {
    case VK_UP:
        return Tasto::Su;
    case VK_DOWN:
        return Tasto::Giu;
    case VK_HOME:
        return Tasto::Home;
    case VK_END:
        return Tasto::End;
    default:
        return std::nullopt;
    }
}

}  // namespace

FinestraPrincipale::~FinestraPrincipale() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

bool FinestraPrincipale::Crea() {
    fallimento_.clear();
    if (!RegistraClasse(istanza_, Procedura)) {
        return Fallisce(L"registrazione della classe");
    }
    const std::wstring Titolo = TestoLargo(Didascalia);
    // The window finds its state through lpCreateParams (see Procedura).
    HWND Finestra = CreateWindowExW(0, NomeClasseFinestra, Titolo.c_str(), WS_OVERLAPPEDWINDOW,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                    nullptr, nullptr, istanza_, this);
    // A failed WM_CREATE has said what failed.
    return Finestra != nullptr || (fallimento_.empty() && Fallisce(L"creazione della finestra"));
}

bool FinestraPrincipale::Fallisce(const wchar_t* Passo) {
    const DWORD Errore = GetLastError();
    fallimento_ = Passo;
    if (Errore != 0) {
        fallimento_ += L" (errore " + std::to_wstring(Errore) + L")";
    }
    return false;
}

LRESULT CALLBACK FinestraPrincipale::Procedura(HWND Finestra, UINT Messaggio, WPARAM w, LPARAM l) {
    if (Messaggio == WM_NCCREATE) {
        auto* Questa =
            static_cast<FinestraPrincipale*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        Questa->hwnd_ = Finestra;
        SetWindowLongPtrW(Finestra, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Questa));
    }
    auto* Questa =
        reinterpret_cast<FinestraPrincipale*>(GetWindowLongPtrW(Finestra, GWLP_USERDATA));
    return Questa != nullptr ? Questa->Gestisci(Messaggio, w, l)
                             : DefWindowProcW(Finestra, Messaggio, w, l);
}

LRESULT FinestraPrincipale::Gestisci(UINT Messaggio, WPARAM w, LPARAM l) {
    switch (Messaggio) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT:
        Disegna(reinterpret_cast<HDC>(w));
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(w));
        return 0;
    case WM_KEYDOWN:
        return OnKeyDown(w) ? 0 : DefWindowProcW(hwnd_, Messaggio, w, l);
    case WM_SETFOCUS:
        OnFocus();
        return 0;
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        // The focus rectangle comes or goes.
        InvalidateRect(hwnd_, nullptr, FALSE);
        return DefWindowProcW(hwnd_, Messaggio, w, l);
    case WM_GETOBJECT:
        return OnGetObject(w, l);
    case WM_DPICHANGED:
        OnDpiChanged(LOWORD(w), *reinterpret_cast<const RECT*>(l));
        return 0;
    case WM_SETTINGCHANGE:
        OnSettingChange(w);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY: {
        // The last message: the window forgets this object and vice versa.
        HWND Finestra = hwnd_;
        if (accessibile_ != nullptr) {
            accessibile_->Scollega();
            accessibile_->Release();
            accessibile_ = nullptr;
        }
        SetWindowLongPtrW(Finestra, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        return DefWindowProcW(Finestra, Messaggio, w, l);
    }
    default:
        return DefWindowProcW(hwnd_, Messaggio, w, l);
    }
}

bool FinestraPrincipale::OnCreate() {
    HMENU Barra = CreaBarraMenu();
    if (Barra == nullptr) {
        return Fallisce(L"creazione del menu");
    }
    if (!SetMenu(hwnd_, Barra)) {
        Fallisce(L"creazione del menu");
        DestroyMenu(Barra);
        return false;
    }
    if (!Dimensiona()) {
        return Fallisce(L"dimensione della finestra");
    }
    creata_ = true;
    return true;
}

bool FinestraPrincipale::Dimensiona() {
    const UINT Dpi = dpi_.DellaFinestra(hwnd_);
    carattere_ = CarattereConsole::PerDpi(Dpi);
    const std::optional<SIZE> Dimensione = DimensioneFinestra(dpi_, hwnd_, Dpi);
    // Placed by the system (CW_USEDEFAULT) or the user; only the size is the program's.
    return Dimensione && SetWindowPos(hwnd_, nullptr, 0, 0, Dimensione->cx, Dimensione->cy,
                                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FinestraPrincipale::OnPaint() {
    PAINTSTRUCT Disegno;
    HDC Contesto = BeginPaint(hwnd_, &Disegno);
    Disegna(Contesto);
    EndPaint(hwnd_, &Disegno);
}

void FinestraPrincipale::OnCommand(WORD Id) {
    if (Id == IdEsci) {
        form_.mnu_esci_Click();
        if (!form_.Caricato()) {
            DestroyWindow(hwnd_);
        }
    } else if (const auto Index = IndexDelComando(Id)) {
        form_.mnu_Click(*Index);
        InvalidateRect(hwnd_, nullptr, FALSE);
        AnnunciaNuovoReport(Report());
    }
}

bool FinestraPrincipale::OnKeyDown(WPARAM Codice) {
    const std::optional<Tasto> T = TastoDi(Codice);
    const auto Tenuto = [](int Tasto) { return (GetKeyState(Tasto) & 0x8000) != 0; };
    const Modificatori Con{.Ctrl = Tenuto(VK_CONTROL),
                           .Maiuscole = Tenuto(VK_SHIFT),
                           .Alt = Tenuto(VK_MENU),
                           .Logo = Tenuto(VK_LWIN) || Tenuto(VK_RWIN)};
    const EsitoTasto Esito = T ? form_.SpostaRiga(*T, Con) : EsitoTasto::NonDiRiga;
    if (Esito == EsitoTasto::NonDiRiga) {
        return false;
    }
    // An empty report has no line to show.
    if (!form_.Righe().empty()) {
        righeDaTastiera_ = true;
        // Keyboard use shows focus rectangles, as the system's dialogs do.
        SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
    if (Esito == EsitoTasto::Spostato) {
        AnnunciaRigaAttiva(Report());
    }
    return true;
}

// The system tells readers that the client has the focus; the focus is on its current line.
void FinestraPrincipale::OnFocus() {
    InvalidateRect(hwnd_, nullptr, FALSE);
    AnnunciaRigaAttiva(Report());
}

LRESULT FinestraPrincipale::OnGetObject(WPARAM w, LPARAM l) {
    // The object id is 32 bits wide: 64-bit callers may or may not extend its sign.
    return static_cast<LONG>(static_cast<DWORD>(l)) == OBJID_CLIENT
               ? AccessibileReport::RispostaAlLettore(Report(), accessibile_, w)
               : DefWindowProcW(hwnd_, WM_GETOBJECT, w, l);
}

void FinestraPrincipale::OnDpiChanged(UINT Dpi, const RECT& Suggerito) {
    carattere_ = CarattereConsole::PerDpi(Dpi);
    SetWindowPos(hwnd_, nullptr, Suggerito.left, Suggerito.top, Suggerito.right - Suggerito.left,
                 Suggerito.bottom - Suggerito.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, FALSE);
    AnnunciaNuoviPosti(hwnd_);
}

// New menu or caption fonts (Windows 10's text size among them) change the
// menu bar's height, and with it the client area of a window of the same
// size: the window takes the size that keeps the client area as designed.
// Other settings leave alone a size the user may have chosen, and a
// maximised or minimised window keeps the size the system gave it.
void FinestraPrincipale::OnSettingChange(WPARAM Parametro) {
    if (Parametro == SPI_SETNONCLIENTMETRICS && !IsZoomed(hwnd_) && !IsIconic(hwnd_) &&
        Dimensiona()) {
        InvalidateRect(hwnd_, nullptr, FALSE);
        AnnunciaNuoviPosti(hwnd_);
    }
}

// Form1 is the program's only window: with it goes the program. A window
// whose creation failed has no loop to end; its quit would close the box
// that tells the user why.
void FinestraPrincipale::OnDestroy() {
    if (creata_) {
        PostQuitMessage(0);
    }
}

void FinestraPrincipale::Disegna(HDC Contesto) {
    RECT Client;
    GetClientRect(hwnd_, &Client);
    DisegnaRighe(Contesto, Client, form_.Righe(), carattere_, RigaConFuoco());
}

std::optional<std::size_t> FinestraPrincipale::RigaConFuoco() const {
    const bool Visibile = righeDaTastiera_ && GetFocus() == hwnd_ &&
                          (SendMessageW(hwnd_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0 &&
                          !RigaFuoriVista(hwnd_, carattere_, form_, form_.RigaAttiva());
    return Visibile ? std::optional(form_.RigaAttiva()) : std::nullopt;
}

ReportDellaFinestra FinestraPrincipale::Report() const { return {hwnd_, &form_, &carattere_}; }

}  // namespace Varnelo
