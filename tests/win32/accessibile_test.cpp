// What a screen reader gets from the window, asked in-process as a client
// would: WM_GETOBJECT, ObjectFromLresult, then the IAccessible calls.
#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>
#include <wrl/client.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "finestra_di_prova.h"
#include "iid_accessible.h"

namespace {

using Microsoft::WRL::ComPtr;

VARIANT Id(LONG Valore) {
    VARIANT Variante{};
    Variante.vt = VT_I4;
    Variante.lVal = Valore;
    return Variante;
}

std::u16string Testo(BSTR Bstr) {
    std::u16string Risultato(Bstr, Bstr + SysStringLen(Bstr));
    SysFreeString(Bstr);
    return Risultato;
}

// The reply to a reader's WM_GETOBJECT with this object id, as a reader takes it.
ComPtr<IAccessible> Chiedi(HWND Finestra, LPARAM Oggetto) {
    ComPtr<IAccessible> Accessibile;
    const LRESULT Risposta = SendMessageW(Finestra, WM_GETOBJECT, 0, Oggetto);
    if (Risposta > 0) {
        EXPECT_EQ(ObjectFromLresult(Risposta, IID_IAccessible, 0,
                                    reinterpret_cast<void**>(Accessibile.GetAddressOf())),
                  S_OK);
    }
    return Accessibile;
}

ComPtr<IAccessible> Client(HWND Finestra) { return Chiedi(Finestra, OBJID_CLIENT); }

std::u16string Nome(IAccessible* a, LONG Figlio) {
    BSTR Bstr = nullptr;
    EXPECT_EQ(a->get_accName(Id(Figlio), &Bstr), S_OK);
    return Testo(Bstr);
}

LONG Intero(IAccessible* a, HRESULT (STDMETHODCALLTYPE IAccessible::*Proprieta)(VARIANT, VARIANT*),
            LONG Figlio) {
    VARIANT Valore{};
    EXPECT_EQ((a->*Proprieta)(Id(Figlio), &Valore), S_OK);
    EXPECT_EQ(Valore.vt, VT_I4);
    return Valore.lVal;
}

// Left, top, width, height on the screen.
std::vector<LONG> Posto(IAccessible* a, LONG Figlio) {
    std::vector<LONG> p(4);
    EXPECT_EQ(a->accLocation(&p[0], &p[1], &p[2], &p[3], Id(Figlio)), S_OK);
    return p;
}

// What a hit test or a navigation gives: a child id, or -1 for nothing there.
LONG Esito(HRESULT Risultato, const VARIANT& Variante) {
    if (Risultato == S_FALSE && Variante.vt == VT_EMPTY) {
        return -1;
    }
    EXPECT_EQ(Risultato, S_OK);
    EXPECT_EQ(Variante.vt, VT_I4);
    return Variante.lVal;
}

// Whether COM runs on this thread; left as it was.
bool ComInCorso() {
    const HRESULT Esito = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(Esito)) {
        CoUninitialize();
    }
    return Esito == S_FALSE;
}

// A start without a screen reader starts no COM: a reader's first request
// starts it for the window's thread, and the window's end ends it.
TEST_F(FinestraDiProva, ComRunsFromAReadersFirstRequestUntilTheWindowGoes) {
    EXPECT_FALSE(ComInCorso());
    EXPECT_NE(Client(f.Handle()), nullptr);
    EXPECT_TRUE(ComInCorso());
    DestroyWindow(f.Handle());
    EXPECT_FALSE(ComInCorso());
}

// With COM for the thread: the test is an in-process client of the window.
class AccessibileWin32 : public FinestraDiProva {
protected:
    void SetUp() override {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
        FinestraDiProva::SetUp();
    }
    void TearDown() override {
        FinestraDiProva::TearDown();
        CoUninitialize();
    }

    // Focus on the window, as after the user's click or Alt+Tab.
    void PrendiFuoco() {
        SetForegroundWindow(f.Handle());
        SetFocus(f.Handle());
        ASSERT_EQ(GetFocus(), f.Handle());
    }

    POINT OrigineClient() const {
        POINT Origine{0, 0};
        ClientToScreen(f.Handle(), &Origine);
        return Origine;
    }
};

TEST_F(AccessibileWin32, EveryChoiceIsReadLineByLineAsPrintedWithTheFocusOnItsFirstLine) {
    PrendiFuoco();
    const ComPtr<IAccessible> Tenuto = Client(f.Handle());
    ASSERT_NE(Tenuto, nullptr);
    // 0: before any choice; 40 twice; 20 after 10.
    for (const int Index : {0, 10, 20, 30, 40, 40, 10, 20}) {
        SCOPED_TRACE(Index);
        if (Index != 0) {
            Scegli(Index);
        }
        const auto& Righe = f.Form().Righe();
        const ComPtr<IAccessible> a = Client(f.Handle());
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(Nome(a.Get(), CHILDID_SELF), u"Varnelo di implentazione routine API");
        EXPECT_EQ(Intero(a.Get(), &IAccessible::get_accRole, CHILDID_SELF), ROLE_SYSTEM_CLIENT);

        std::u16string Tutto;
        for (std::size_t i = 0; i < Righe.size(); ++i) {
            Tutto += (i == 0 ? u"" : u"\r\n") + Righe[i];
        }
        BSTR Valore = nullptr;
        EXPECT_EQ(a->get_accValue(Id(CHILDID_SELF), &Valore), S_OK);
        EXPECT_EQ(Testo(Valore), Tutto);

        LONG Figli = -1;
        EXPECT_EQ(a->get_accChildCount(&Figli), S_OK);
        EXPECT_EQ(Figli, static_cast<LONG>(Righe.size()));
        LONG TenutoFigli = -1;
        EXPECT_EQ(Tenuto->get_accChildCount(&TenutoFigli), S_OK);
        EXPECT_EQ(TenutoFigli, Figli) << "an object kept from before follows the report";
        VARIANT Fuoco{};
        EXPECT_EQ(a->get_accFocus(&Fuoco), S_OK);
        EXPECT_EQ(Fuoco.vt, VT_I4);
        EXPECT_EQ(Fuoco.lVal, Figli == 0 ? CHILDID_SELF : 1) << "the client itself while empty";

        const POINT Origine = OrigineClient();
        const int Colonna = f.Carattere().LarghezzaColonna();
        const int Altezza = f.Carattere().AltezzaRiga();
        for (LONG i = 1; i <= Figli; ++i) {
            SCOPED_TRACE(i);
            const std::u16string& Riga = Righe[static_cast<std::size_t>(i - 1)];
            EXPECT_EQ(Nome(a.Get(), i), Riga);
            EXPECT_EQ(Intero(a.Get(), &IAccessible::get_accRole, i), ROLE_SYSTEM_STATICTEXT);
            EXPECT_EQ(Intero(a.Get(), &IAccessible::get_accState, i),
                      STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE |
                          (i == 1 ? STATE_SYSTEM_FOCUSED : 0));
            const std::vector<LONG> p = Posto(a.Get(), i);
            EXPECT_EQ(p, (std::vector<LONG>{Origine.x, Origine.y + (i - 1) * Altezza,
                                            static_cast<LONG>(Riga.size()) * Colonna, Altezza}));
            VARIANT Colpito{};
            EXPECT_EQ(Esito(a->accHitTest(p[0] + p[2] / 2, p[1] + p[3] / 2, &Colpito), Colpito), i);
        }
    }
}

// Made smaller than the report, the window cannot show every line: those
// wholly outside its client area are off-screen, the current one too.
TEST_F(AccessibileWin32, LinesOutsideTheClientAreaAreOffScreen) {
    PrendiFuoco();
    Scegli(40);
    const int Altezza = f.Carattere().AltezzaRiga();
    RECT Esterno{};
    RECT Interno{};
    ASSERT_TRUE(GetWindowRect(f.Handle(), &Esterno) && GetClientRect(f.Handle(), &Interno));
    // Three lines and half of the fourth.
    ASSERT_TRUE(
        SetWindowPos(f.Handle(), nullptr, 0, 0, Esterno.right - Esterno.left,
                     Esterno.bottom - Esterno.top - Interno.bottom + 3 * Altezza + Altezza / 2,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    for (int i = 0; i < 7; ++i) {
        SendMessageW(f.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    }
    const ComPtr<IAccessible> a = Client(f.Handle());
    ASSERT_NE(a, nullptr);
    constexpr LONG Sola = STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE;
    for (const auto& [Riga, Stato] : std::vector<std::pair<LONG, LONG>>{
             {1, Sola},
             {4, Sola},
             {5, Sola | STATE_SYSTEM_OFFSCREEN},
             {8, Sola | STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_FOCUSED},
         }) {
        EXPECT_EQ(Intero(a.Get(), &IAccessible::get_accState, Riga), Stato) << "line " << Riga;
    }
}

TEST_F(AccessibileWin32, NavigationAndHitTestingOverTheEightLinesOfExample4) {
    Scegli(40);
    const ComPtr<IAccessible> a = Client(f.Handle());
    ASSERT_NE(a, nullptr);
    struct Passo {
        LONG Da;
        LONG Direzione;
        LONG Atteso;  // -1: nothing that way
    };
    for (const Passo& p : std::vector<Passo>{
             {CHILDID_SELF, NAVDIR_FIRSTCHILD, 1},
             {CHILDID_SELF, NAVDIR_LASTCHILD, 8},
             {1, NAVDIR_NEXT, 2},
             {7, NAVDIR_DOWN, 8},
             {8, NAVDIR_NEXT, -1},
             {5, NAVDIR_PREVIOUS, 4},
             {2, NAVDIR_UP, 1},
             {1, NAVDIR_PREVIOUS, -1},
             {3, NAVDIR_FIRSTCHILD, -1},
             {3, NAVDIR_RIGHT, -1},
         }) {
        SCOPED_TRACE(testing::Message() << p.Da << " " << p.Direzione);
        VARIANT Arrivo{};
        EXPECT_EQ(Esito(a->accNavigate(p.Direzione, Id(p.Da), &Arrivo), Arrivo), p.Atteso);
    }
    VARIANT Arrivo{};
    EXPECT_EQ(a->accNavigate(NAVDIR_NEXT, Id(9), &Arrivo), E_INVALIDARG);
    EXPECT_EQ(a->accNavigate(0, Id(1), &Arrivo), E_INVALIDARG);

    const POINT Origine = OrigineClient();
    const int Colonna = f.Carattere().LarghezzaColonna();
    const int Altezza = f.Carattere().AltezzaRiga();
    struct Punto {
        LONG x, y;  // from the client's top-left, in pixels
        LONG Atteso;
    };
    for (const Punto& p : std::vector<Punto>{
             {0, 0, 1},
             {Colonna * 49, Altezza * 2 + 1, 3},             // the serial number's first column
             {Colonna * 60, Altezza * 5 + 1, CHILDID_SELF},  // past the end of the note
             {1, Altezza * 8 + 1, CHILDID_SELF},             // below the last line
         }) {
        SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
        VARIANT Colpito{};
        EXPECT_EQ(Esito(a->accHitTest(Origine.x + p.x, Origine.y + p.y, &Colpito), Colpito),
                  p.Atteso);
    }
}

// What a call about the client itself gave: its result and its outputs.
using Domanda = std::vector<LONG> (*)(IAccessible* a, POINT Origine);

std::vector<LONG> Risposta(HRESULT Risultato, const VARIANT& Variante) {
    return {Risultato, Variante.vt, Variante.vt == VT_I4 ? Variante.lVal : 0};
}

TEST_F(AccessibileWin32, TheClientItselfIsAnsweredAsTheSystemsOwnObjectAnswersIt) {
    Scegli(40);
    const ComPtr<IAccessible> a = Client(f.Handle());
    ComPtr<IAccessible> Sistema;
    ASSERT_EQ(CreateStdAccessibleObject(f.Handle(), OBJID_CLIENT, IID_IAccessible,
                                        reinterpret_cast<void**>(Sistema.GetAddressOf())),
              S_OK);
    ASSERT_NE(a, nullptr);
    const std::vector<std::pair<const char*, Domanda>> Domande{
        {"location",
         [](IAccessible* x, POINT) {
             LONG p[4] = {};
             const HRESULT r = x->accLocation(&p[0], &p[1], &p[2], &p[3], Id(CHILDID_SELF));
             return std::vector<LONG>{r, p[0], p[1], p[2], p[3]};
         }},
        {"hit left of the client",
         [](IAccessible* x, POINT o) {
             VARIANT v{};
             return Risposta(x->accHitTest(o.x - 1, o.y, &v), v);
         }},
        {"next from the client",
         [](IAccessible* x, POINT) {
             VARIANT v{};
             return Risposta(x->accNavigate(NAVDIR_NEXT, Id(CHILDID_SELF), &v), v);
         }},
    };
    for (const auto& [Cosa, Chiedi] : Domande) {
        EXPECT_EQ(Chiedi(a.Get(), OrigineClient()), Chiedi(Sistema.Get(), OrigineClient())) << Cosa;
    }
}

TEST_F(AccessibileWin32, OnlyTheClientIsAnsweredWhateverTheWidthOfItsId) {
    Scegli(20);
    // Readers on 64 bits send the 32-bit id with or without its sign extended.
    for (const LPARAM Oggetto : {static_cast<LPARAM>(OBJID_CLIENT),
                                 static_cast<LPARAM>(static_cast<DWORD>(OBJID_CLIENT))}) {
        const ComPtr<IAccessible> a = Chiedi(f.Handle(), Oggetto);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(Nome(a.Get(), 1), f.Form().Righe()[0]);
    }
    EXPECT_EQ(SendMessageW(f.Handle(), WM_GETOBJECT, 0, OBJID_WINDOW), 0);
    EXPECT_EQ(SendMessageW(f.Handle(), WM_GETOBJECT, 0, OBJID_CARET), 0);
}

// Each call with a valid child id, its outputs to a place of their own or to null.
using Chiamata = HRESULT (*)(IAccessible*, bool Nulli);
const std::vector<std::pair<const char*, Chiamata>> Chiamate{
    {"get_accParent",
     [](IAccessible* a, bool n) {
         ComPtr<IDispatch> d;
         return a->get_accParent(n ? nullptr : d.GetAddressOf());
     }},
    {"get_accChildCount",
     [](IAccessible* a, bool n) {
         LONG c = 0;
         return a->get_accChildCount(n ? nullptr : &c);
     }},
    {"get_accChild",
     [](IAccessible* a, bool n) {
         ComPtr<IDispatch> d;
         return a->get_accChild(Id(1), n ? nullptr : d.GetAddressOf());
     }},
    {"get_accName",
     [](IAccessible* a, bool n) {
         BSTR b = nullptr;
         const HRESULT r = a->get_accName(Id(1), n ? nullptr : &b);
         SysFreeString(b);
         return r;
     }},
    {"get_accValue",
     [](IAccessible* a, bool n) {
         BSTR b = nullptr;
         const HRESULT r = a->get_accValue(Id(CHILDID_SELF), n ? nullptr : &b);
         SysFreeString(b);
         return r;
     }},
    {"get_accRole",
     [](IAccessible* a, bool n) {
         VARIANT v{};
         return a->get_accRole(Id(1), n ? nullptr : &v);
     }},
    {"get_accState",
     [](IAccessible* a, bool n) {
         VARIANT v{};
         return a->get_accState(Id(1), n ? nullptr : &v);
     }},
    {"get_accDescription",
     [](IAccessible* a, bool n) {
         BSTR b = nullptr;
         return a->get_accDescription(Id(1), n ? nullptr : &b);
     }},
    {"get_accHelpTopic",
     [](IAccessible* a, bool n) {
         BSTR b = nullptr;
         LONG t = 0;
         return a->get_accHelpTopic(n ? nullptr : &b, Id(1), n ? nullptr : &t);
     }},
    {"get_accFocus",
     [](IAccessible* a, bool n) {
         VARIANT v{};
         return a->get_accFocus(n ? nullptr : &v);
     }},
    {"accLocation",
     [](IAccessible* a, bool n) {
         LONG p[4] = {};
         return a->accLocation(n ? nullptr : &p[0], &p[1], &p[2], &p[3], Id(1));
     }},
    {"accNavigate",
     [](IAccessible* a, bool n) {
         VARIANT v{};
         return a->accNavigate(NAVDIR_NEXT, Id(1), n ? nullptr : &v);
     }},
    {"accHitTest",
     [](IAccessible* a, bool n) {
         VARIANT v{};
         return a->accHitTest(0, 0, n ? nullptr : &v);
     }},
};

TEST_F(AccessibileWin32, NullOutputsAreRefusedAndAKeptObjectOutlivesTheWindow) {
    Scegli(10);
    const ComPtr<IAccessible> a = Client(f.Handle());
    ASSERT_NE(a, nullptr);
    for (const auto& [Metodo, Chiama] : Chiamate) {
        EXPECT_EQ(Chiama(a.Get(), true), E_POINTER) << Metodo;
        EXPECT_NE(Chiama(a.Get(), false), E_POINTER) << Metodo;
    }
    SendMessageW(f.Handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(f.Handle(), nullptr);
    for (const auto& [Metodo, Chiama] : Chiamate) {
        EXPECT_EQ(Chiama(a.Get(), false), RPC_E_DISCONNECTED) << Metodo;
    }
    EXPECT_EQ(a->accDoDefaultAction(Id(1)), RPC_E_DISCONNECTED);
}

// Events the window sends, as an out-of-context hook sees them.
std::vector<std::pair<DWORD, LONG>> Eventi;
HWND FinestraOsservata = nullptr;

void CALLBACK Registra(HWINEVENTHOOK, DWORD Evento, HWND Finestra, LONG Oggetto, LONG Figlio, DWORD,
                       DWORD) {
    if (Finestra == FinestraOsservata && Oggetto == OBJID_CLIENT) {
        Eventi.emplace_back(Evento, Figlio);
    }
}

TEST_F(AccessibileWin32, ReadersAreToldOfANewReportOfTheFocusedLineAndOfLinesMoved) {
    PrendiFuoco();
    RECT Suggerito{};
    GetWindowRect(f.Handle(), &Suggerito);
    // In order, on one window; the keys without Ctrl.
    const std::vector<std::tuple<UINT, WPARAM, std::vector<std::pair<DWORD, LONG>>>> Casi{
        {WM_KEYDOWN, VK_DOWN, {}},  // nothing printed yet: no line to move to
        {WM_COMMAND,
         MAKEWPARAM(30, 0),
         {{EVENT_OBJECT_REORDER, CHILDID_SELF},
          {EVENT_OBJECT_VALUECHANGE, CHILDID_SELF},
          {EVENT_OBJECT_FOCUS, 1}}},
        {WM_KEYDOWN, VK_DOWN, {{EVENT_OBJECT_FOCUS, 2}}},
        {WM_KEYDOWN, VK_HOME, {}},  // Home alone moves no line
        {WM_SETFOCUS, 0, {{EVENT_OBJECT_FOCUS, 2}}},
        {WM_DPICHANGED, MAKEWPARAM(144, 144), {{EVENT_OBJECT_LOCATIONCHANGE, CHILDID_SELF}}},
        {WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, {{EVENT_OBJECT_LOCATIONCHANGE, CHILDID_SELF}}},
        {WM_SETTINGCHANGE, SPI_SETWORKAREA, {}},
    };
    FinestraOsservata = f.Handle();
    for (const auto& [Messaggio, w, Attesi] : Casi) {
        SCOPED_TRACE(Messaggio);
        Eventi.clear();
        HWINEVENTHOOK Gancio =
            SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_VALUECHANGE, nullptr, Registra,
                            GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(Gancio, nullptr);
        SendMessageW(f.Handle(), Messaggio, w, reinterpret_cast<LPARAM>(&Suggerito));
        MSG Coda;
        while (PeekMessageW(&Coda, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&Coda);
        }
        UnhookWinEvent(Gancio);
        EXPECT_EQ(Eventi, Attesi);
    }
}

// A window that cannot be seen or used: minimised, hidden, disabled. Its
// lines take the focus where it can.
struct CasoStato {
    const char* Nome;
    void (*Cambia)(HWND Finestra, bool Indietro);
    LONG Stato;
};

TEST_F(AccessibileWin32, AClientThatCannotBeSeenOrUsedSaysSoForItselfAndItsLines) {
    Scegli(10);
    const ComPtr<IAccessible> a = Client(f.Handle());
    ASSERT_NE(a, nullptr);
    for (const CasoStato& Caso : {
             CasoStato{"minimised",
                       [](HWND h, bool i) { ShowWindow(h, i ? SW_RESTORE : SW_MINIMIZE); },
                       STATE_SYSTEM_OFFSCREEN},
             CasoStato{"hidden",
                       [](HWND h, bool i) { ShowWindow(h, i ? SW_SHOWNOACTIVATE : SW_HIDE); },
                       STATE_SYSTEM_INVISIBLE},
             CasoStato{"disabled", [](HWND h, bool i) { EnableWindow(h, i); },
                       STATE_SYSTEM_UNAVAILABLE},
         }) {
        SCOPED_TRACE(Caso.Nome);
        EXPECT_EQ(Intero(a.Get(), &IAccessible::get_accState, CHILDID_SELF) & Caso.Stato, 0);
        Caso.Cambia(f.Handle(), false);
        const LONG StatoClient = Intero(a.Get(), &IAccessible::get_accState, CHILDID_SELF);
        EXPECT_EQ(StatoClient & Caso.Stato, Caso.Stato);
        EXPECT_EQ(Intero(a.Get(), &IAccessible::get_accState, 1),
                  STATE_SYSTEM_READONLY | Caso.Stato | (StatoClient & STATE_SYSTEM_FOCUSABLE));
        Caso.Cambia(f.Handle(), true);
    }
}

}  // namespace
