// The native window: caption, menu, client size, commands and painting.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "disegno.h"
#include "finestra_di_prova.h"
#include "immagine_client.h"
#include "menu_win32.h"

namespace {

std::wstring TestoMenu(HMENU Menu, UINT Posizione) {
    wchar_t Testo[64] = {};
    GetMenuStringW(Menu, Posizione, Testo, 64, MF_BYPOSITION);
    return Testo;
}

using FinestraWin32 = FinestraDiProva;

TEST_F(FinestraWin32, CaptionAndMenuFromTheMenuTable) {
    wchar_t Titolo[64] = {};
    GetWindowTextW(f.Handle(), Titolo, 64);
    EXPECT_STREQ(Titolo, L"Varnelo di implentazione routine API");

    HMENU Barra = GetMenu(f.Handle());
    ASSERT_NE(Barra, nullptr);
    ASSERT_EQ(GetMenuItemCount(Barra), 2);
    EXPECT_EQ(TestoMenu(Barra, 0), L"&Varnelo");
    EXPECT_EQ(TestoMenu(Barra, 1), L"E&sci");
    EXPECT_EQ(GetSubMenu(Barra, 1), nullptr);
    EXPECT_EQ(GetMenuItemID(Barra, 1), Varnelo::IdEsci);

    HMENU Esempi = GetSubMenu(Barra, 0);
    ASSERT_EQ(GetMenuItemCount(Esempi), 4);
    const wchar_t* Attese[] = {L"&1. esempio", L"&2. esempio", L"&3. esempio", L"&4. esempio"};
    for (UINT i = 0; i < 4; ++i) {
        EXPECT_EQ(TestoMenu(Esempi, i), Attese[i]);
        EXPECT_EQ(GetMenuItemID(Esempi, static_cast<int>(i)), 10 * (i + 1));
        EXPECT_EQ(GetMenuState(Esempi, i, MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED), 0u);
    }
}

// ---- Client size through the run-time DPI lookups and their fallbacks ---------

UINT WINAPI Dpi144(HWND) { return 144; }

HRESULT WINAPI Monitor144(HMONITOR, int, UINT* x, UINT* y) {
    *x = *y = 144;
    return S_OK;
}

UINT DpiAdattamento = 0;
BOOL WINAPI AdattaA(LPRECT Rettangolo, DWORD Stile, BOOL ConMenu, DWORD StileEsteso, UINT Dpi) {
    DpiAdattamento = Dpi;
    return AdjustWindowRectEx(Rettangolo, Stile, ConMenu, StileEsteso);
}

// Through void(*)(), the one function type a cast to FARPROC may pass.
template <typename Funzione>
FARPROC ComeFarproc(Funzione* Indirizzo) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(Indirizzo));
}

FARPROC Nessuna(const char*, const char*) { return nullptr; }

// As on Windows 8.1: the monitor's DPI, and nothing of Windows 10's.
FARPROC SoloMonitor144(const char*, const char* Nome) {
    return std::string_view(Nome) == "GetDpiForMonitor" ? ComeFarproc(&Monitor144) : nullptr;
}

FARPROC SoloDpi144(const char* Libreria, const char* Nome) {
    return std::string_view(Nome) == "GetDpiForWindow" ? ComeFarproc(&Dpi144)
                                                       : Nessuna(Libreria, Nome);
}

FARPROC Entrambe144(const char* Libreria, const char* Nome) {
    return std::string_view(Nome) == "AdjustWindowRectExForDpi" ? ComeFarproc(&AdattaA)
                                                                : SoloDpi144(Libreria, Nome);
}

struct CasoDpi {
    const char* Nome;
    Varnelo::CercaFunzione Cerca;
    SIZE Client;
    UINT DpiAdattamento;  // what AdjustWindowRectExForDpi was asked for; 0 if not called
};

void PrintTo(const CasoDpi& Caso, std::ostream* Uscita) { *Uscita << Caso.Nome; }

class DpiFinestra : public ::testing::TestWithParam<CasoDpi> {};

TEST_P(DpiFinestra, ClientAreaIs384By188At96DpiAndScales) {
    HDC Schermo = GetDC(nullptr);
    ASSERT_NE(Schermo, nullptr);
    const int DpiSchermo = GetDeviceCaps(Schermo, LOGPIXELSX);
    ReleaseDC(nullptr, Schermo);
    ASSERT_EQ(DpiSchermo, 96) << "the cases expect Wine's screen at 96 DPI";

    DpiAdattamento = 0;
    const Varnelo::FunzioniDpi Funzioni(GetParam().Cerca);
    Varnelo::FinestraPrincipale f(GetModuleHandleW(nullptr), Funzioni);
    ASSERT_TRUE(f.Crea()) << GetLastError();
    RECT Client{};
    GetClientRect(f.Handle(), &Client);
    EXPECT_EQ(Client.right, GetParam().Client.cx);
    EXPECT_EQ(Client.bottom, GetParam().Client.cy);
    EXPECT_EQ(DpiAdattamento, GetParam().DpiAdattamento);
}

// A size the system cannot work out: the user is told which step failed, and
// no quit is left behind to close the box that says so.
BOOL WINAPI AdattamentoImpossibile(LPRECT, DWORD, BOOL, DWORD, UINT) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

FARPROC SenzaAdattamento(const char*, const char* Nome) {
    return std::string_view(Nome) == "AdjustWindowRectExForDpi"
               ? ComeFarproc(&AdattamentoImpossibile)
               : nullptr;
}

TEST(CreazioneFallita, SaysWhatFailedAndLeavesNoQuit) {
    MSG Messaggio{};
    while (PeekMessageW(&Messaggio, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    const Varnelo::FunzioniDpi Funzioni(SenzaAdattamento);
    Varnelo::FinestraPrincipale f(GetModuleHandleW(nullptr), Funzioni);
    EXPECT_FALSE(f.Crea());
    EXPECT_EQ(f.Fallimento(), L"dimensione della finestra (errore 87)");
    EXPECT_FALSE(PeekMessageW(&Messaggio, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(CarattereConsole, AFontThatCannotBeMadeGivesTheStockFixedFontNeverAnEmptyCell) {
    const auto Carattere =
        Varnelo::CarattereConsole::PerDpi(96, [](int) -> HFONT { return nullptr; });
    EXPECT_EQ(Carattere.Font(), GetStockObject(ANSI_FIXED_FONT));
    EXPECT_GT(Carattere.LarghezzaColonna(), 0);
    EXPECT_GT(Carattere.AltezzaRiga(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ricerche, DpiFinestra,
    ::testing::Values(CasoDpi{"SystemsOwn", Varnelo::CercaNelSistema, {384, 188}, 0},
                      CasoDpi{"NoneAsOnWindows7", Nessuna, {384, 188}, 0},
                      CasoDpi{"MonitorAlone144AsOnWindows81", SoloMonitor144, {576, 282}, 0},
                      CasoDpi{"GetDpiForWindowAloneAt144", SoloDpi144, {576, 282}, 0},
                      CasoDpi{"BothAt144", Entrambe144, {576, 282}, 144}),
    [](const auto& Caso) { return std::string(Caso.param.Nome); });

TEST_F(FinestraWin32, CommandsRunTheExamplesAndThePaintingFollows) {
    EXPECT_EQ(PuntiScritti(f.Handle(), false), 0);

    Scegli(40);
    EXPECT_EQ(f.Form().Righe().size(), 8u);
    const int DopoIlReport = PuntiScritti(f.Handle(), false);
    EXPECT_GT(DopoIlReport, 0);
    // Painted again from the kept lines, as after being covered.
    InvalidateRect(f.Handle(), nullptr, TRUE);
    UpdateWindow(f.Handle());
    EXPECT_EQ(PuntiScritti(f.Handle(), false), DopoIlReport);
}

// The points where two pictures of the client area differ.
std::vector<POINT> Differenze(const ImmagineClient& Prima, const ImmagineClient& Dopo) {
    std::vector<POINT> Punti;
    for (int y = 0; y < Prima.Altezza; ++y) {
        for (int x = 0; x < Prima.Larghezza; ++x) {
            const auto i = static_cast<std::size_t>(y * Prima.Larghezza + x);
            const RGBQUAD a = Prima.Punti[i];
            const RGBQUAD b = Dopo.Punti[i];
            if (a.rgbRed != b.rgbRed || a.rgbGreen != b.rgbGreen || a.rgbBlue != b.rgbBlue) {
                Punti.push_back({x, y});
            }
        }
    }
    return Punti;
}

// Wine keeps no UI state (WM_QUERYUISTATE answers 0 whatever was set): the
// window is subclassed to keep it as Windows does.
WNDPROC ProceduraDellaFinestra = nullptr;
WORD StatoUi = 0;

LRESULT CALLBACK ConStatoUi(HWND Finestra, UINT Messaggio, WPARAM w, LPARAM l) {
    if (Messaggio == WM_QUERYUISTATE) {
        return StatoUi;
    }
    if (Messaggio == WM_CHANGEUISTATE) {
        StatoUi = LOWORD(w) == UIS_SET     ? StatoUi | HIWORD(w)
                  : LOWORD(w) == UIS_CLEAR ? StatoUi & ~HIWORD(w)
                                           : StatoUi;
    }
    return CallWindowProcW(ProceduraDellaFinestra, Finestra, Messaggio, w, l);
}

struct PassoFuoco {
    const char* Nome;
    void (*Fai)(HWND Finestra);
    std::optional<std::size_t> Riga;  // the line inside the focus rectangle, if one is painted
};

TEST_F(FinestraWin32, TheFocusRectangleShowsOnceTheUserMovesByLineWhileFocusIsShown) {
    Scegli(40);
    SetForegroundWindow(f.Handle());
    SetFocus(f.Handle());
    ASSERT_EQ(GetFocus(), f.Handle());
    StatoUi = 0;
    ProceduraDellaFinestra = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(f.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ConStatoUi)));
    const ImmagineClient SenzaFuoco = Fotografa(f.Handle(), false);
    ASSERT_FALSE(SenzaFuoco.Punti.empty());
    for (const PassoFuoco& Passo : {
             PassoFuoco{"focused, no key yet", [](HWND) {}, std::nullopt},
             PassoFuoco{"Down", [](HWND h) { SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0); }, 1},
             PassoFuoco{"focus hidden",
                        [](HWND h) {
                            SendMessageW(h, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS),
                                         0);
                        },
                        std::nullopt},
             PassoFuoco{"Up shows it again", [](HWND h) { SendMessageW(h, WM_KEYDOWN, VK_UP, 0); },
                        0},
             PassoFuoco{"focus elsewhere", [](HWND) { SetFocus(nullptr); }, std::nullopt},
             PassoFuoco{"focus back", [](HWND h) { SetFocus(h); }, 0},
         }) {
        SCOPED_TRACE(Passo.Nome);
        Passo.Fai(f.Handle());
        const std::vector<POINT> Punti = Differenze(SenzaFuoco, Fotografa(f.Handle(), false));
        if (!Passo.Riga) {
            EXPECT_TRUE(Punti.empty());
            continue;
        }
        EXPECT_FALSE(Punti.empty());
        const std::size_t i = *Passo.Riga;
        const RECT r = Varnelo::RettangoloRiga(f.Carattere(), i, f.Form().Righe()[i].size());
        for (const POINT& p : Punti) {
            const bool SulBordo =
                (p.x == r.left || p.x == r.right - 1 || p.y == r.top || p.y == r.bottom - 1) &&
                p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
            ASSERT_TRUE(SulBordo) << p.x << "," << p.y;
        }
    }
}

struct CasoImpostazione {
    const char* Nome;
    WPARAM Parametro;
    int Mostra;  // how the window is shown
    bool Progettata;
};

// New menu fonts may change the menu bar's height (Wine lays an open window's
// bar out again only on its next size change): the client area gets back its
// designed size. Other settings, and a maximised window, keep the size the
// window has.
TEST_F(FinestraWin32, NewMenuFontsGiveBackTheDesignedClientAreaOtherSettingsKeepTheSize) {
    for (const CasoImpostazione& Caso : {
             CasoImpostazione{"menu fonts", SPI_SETNONCLIENTMETRICS, SW_SHOWNOACTIVATE, true},
             CasoImpostazione{"work area", SPI_SETWORKAREA, SW_SHOWNOACTIVATE, false},
             CasoImpostazione{"maximised", SPI_SETNONCLIENTMETRICS, SW_MAXIMIZE, false},
         }) {
        SCOPED_TRACE(Caso.Nome);
        ShowWindow(f.Handle(), Caso.Mostra);
        ASSERT_TRUE(SetWindowPos(f.Handle(), nullptr, 0, 0, 300, 150,
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
        RECT Prima{};
        GetClientRect(f.Handle(), &Prima);
        SendMessageW(f.Handle(), WM_SETTINGCHANGE, Caso.Parametro,
                     reinterpret_cast<LPARAM>(L"WindowMetrics"));
        RECT Client{};
        GetClientRect(f.Handle(), &Client);
        const RECT Attesa = Caso.Progettata ? RECT{0, 0, 384, 188} : Prima;
        EXPECT_EQ(std::vector<LONG>({Client.right, Client.bottom}),
                  std::vector<LONG>({Attesa.right, Attesa.bottom}));
    }
}

TEST_F(FinestraWin32, EsciDestroysTheWindowAndEndsTheLoop) {
    HWND Finestra = f.Handle();
    SendMessageW(Finestra, WM_COMMAND, MAKEWPARAM(Varnelo::IdEsci, 0), 0);
    EXPECT_FALSE(IsWindow(Finestra));
    EXPECT_FALSE(f.Form().Caricato());
    MSG Messaggio{};
    ASSERT_TRUE(PeekMessageW(&Messaggio, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(Messaggio.message, static_cast<UINT>(WM_QUIT));
}

TEST_F(FinestraWin32, ClosingTheWindowEndsTheLoopWithoutAQuestion) {
    HWND Finestra = f.Handle();
    SendMessageW(Finestra, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(Finestra));
    MSG Messaggio{};
    EXPECT_TRUE(PeekMessageW(&Messaggio, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
