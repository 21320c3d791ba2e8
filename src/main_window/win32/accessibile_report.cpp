#include "accessibile_report.h"

#include <new>
#include <string>
#include <string_view>

#include "com_di_sistema.h"
#include "disegno.h"
#include "iid_accessible.h"
#include "main_window/menu.h"
#include "testo_largo.h"

namespace Varnelo {

namespace {

HRESULT NuovaBstr(std::u16string_view Testo, BSTR* Bstr) {
    const std::wstring Largo = TestoLargo(Testo);
    *Bstr = FunzioniCom().SysAllocStringLen(Largo.data(), static_cast<UINT>(Largo.size()));
    return *Bstr != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT Intero(LONG Valore, VARIANT* Variante) {
    Variante->vt = VT_I4;
    Variante->lVal = Valore;
    return S_OK;
}

// No object there: S_FALSE with an empty variant, as clients expect.
HRESULT Nessuno(VARIANT* Variante) {
    Variante->vt = VT_EMPTY;
    return S_FALSE;
}

// Outputs start empty, so that a refused call hands back nothing.
void Svuota(BSTR* Testo) { *Testo = nullptr; }
void Svuota(VARIANT* Variante) { Variante->vt = VT_EMPTY; }
void Svuota(IDispatch** Oggetto) { *Oggetto = nullptr; }
void Svuota(LONG* Numero) { *Numero = 0; }
void Svuota(const void*) {}  // no output

// What lines do not have.
HRESULT Assente(LONG) { return DISP_E_MEMBERNOTFOUND; }

// A line cannot be seen or used where its client cannot, and takes the focus
// where its client can.
constexpr LONG StatiDelClient = STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN |
                                STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSABLE;

// The child id of the line that has the focus when the client has it.
LONG FiglioAttivo(const Form1& Form) { return static_cast<LONG>(Form.RigaAttiva()) + 1; }

}  // namespace

LRESULT AccessibileReport::RispostaAlLettore(const ReportDellaFinestra& Report,
                                             AccessibileReport*& Oggetto, WPARAM w) {
    const ComDiSistema& Com = FunzioniCom();
    if (!Com.Completo()) {
        return 0;
    }
    if (Oggetto == nullptr) {
        // COM for the window's thread, which the reader's calls come in on,
        // from its first request until the window goes (Scollega).
        const bool ComAvviato = SUCCEEDED(Com.CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        Microsoft::WRL::ComPtr<IAccessible> Standard;
        HRESULT Creato =
            Com.CreateStdAccessibleObject(Report.Finestra, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(Standard.GetAddressOf()));
        if (SUCCEEDED(Creato)) {
            Oggetto = new (std::nothrow) AccessibileReport(Report, Standard, ComAvviato);
            Creato = Oggetto != nullptr ? S_OK : E_OUTOFMEMORY;
        }
        if (FAILED(Creato)) {
            Standard.Reset();
            if (ComAvviato) {
                Com.CoUninitialize();
            }
            return Creato;
        }
    }
    return Com.LresultFromObject(IID_IAccessible, w, Oggetto);
}

void AccessibileReport::Scollega() {
    report_.Form = nullptr;
    standard_.Reset();
    // Releases what COM holds for other processes; they get
    // RPC_E_DISCONNECTED from then on. Nothing to undo if nothing was marshalled.
    const ComDiSistema& Com = FunzioniCom();
    Com.CoDisconnectObject(this, 0);
    if (comAvviato_) {
        comAvviato_ = false;
        Com.CoUninitialize();
    }
}

template <typename Uscita, typename Risposta>
HRESULT AccessibileReport::Rispondi(Uscita* Fuori, const VARIANT* Id, Risposta Fai) const {
    if (report_.Form == nullptr) {
        return RPC_E_DISCONNECTED;
    }
    if (Fuori == nullptr) {
        return E_POINTER;
    }
    Svuota(Fuori);
    if (Id == nullptr) {
        return Fai(CHILDID_SELF);
    }
    const auto Righe = NumeroRighe();
    if (Id->vt != VT_I4 || Id->lVal < CHILDID_SELF || Id->lVal > Righe) {
        return E_INVALIDARG;
    }
    return Fai(Id->lVal);
}

template <typename Uscita, typename PerRiga, typename Metodo, typename... Argomenti>
HRESULT AccessibileReport::DelClient(const VARIANT* Id, Uscita* Fuori, PerRiga Linea,
                                     Metodo Chiamata, Argomenti... Altri) const {
    return Rispondi(Fuori, Id, [&](LONG Elemento) {
        return Elemento == CHILDID_SELF ? (standard_.Get()->*Chiamata)(Altri...) : Linea(Elemento);
    });
}

// ---- IUnknown and IDispatch ---------------------------------------------------------

HRESULT AccessibileReport::QueryInterface(REFIID riid, void** ppvObject) {
    if (ppvObject == nullptr) {
        return E_POINTER;
    }
    // __uuidof: the IIDs of IUnknown and IDispatch need no library either.
    const bool Nota =
        riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == IID_IAccessible;
    *ppvObject = Nota ? static_cast<IAccessible*>(this) : nullptr;
    if (Nota) {
        AddRef();
    }
    return Nota ? S_OK : E_NOINTERFACE;
}

ULONG AccessibileReport::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&riferimenti_));
}

ULONG AccessibileReport::Release() {
    const LONG Rimasti = InterlockedDecrement(&riferimenti_);
    if (Rimasti == 0) {
        delete this;
    }
    return static_cast<ULONG>(Rimasti);
}

HRESULT AccessibileReport::GetTypeInfoCount(UINT* pctinfo) {
    return pctinfo != nullptr ? (*pctinfo = 0, S_OK) : E_POINTER;
}

HRESULT AccessibileReport::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) {
    return ppTInfo != nullptr ? (*ppTInfo = nullptr, E_NOTIMPL) : E_POINTER;
}

HRESULT AccessibileReport::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT AccessibileReport::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                  UINT*) {
    return E_NOTIMPL;
}

// ---- The lines: what each says, where it is, and the way from one to the next ----

HRESULT AccessibileReport::get_accChildCount(LONG* pcountChildren) {
    return Rispondi(pcountChildren, nullptr, [&](LONG) {
        *pcountChildren = NumeroRighe();
        return S_OK;
    });
}

HRESULT AccessibileReport::get_accChild(VARIANT varChildID, IDispatch** ppdispChild) {
    // Lines are simple elements, not objects of their own.
    return Rispondi(ppdispChild, &varChildID, [](LONG) { return S_FALSE; });
}

HRESULT AccessibileReport::get_accName(VARIANT varID, BSTR* pszName) {
    return Rispondi(pszName, &varID, [&](LONG Elemento) {
        return NuovaBstr(Elemento == CHILDID_SELF ? Didascalia : Riga(Elemento), pszName);
    });
}

HRESULT AccessibileReport::get_accValue(VARIANT varID, BSTR* pszValue) {
    // The whole report is the client's value; a line has its name only.
    return Rispondi(pszValue, &varID, [&](LONG Elemento) {
        const auto& Righe = report_.Form->Righe();
        std::u16string Testo;
        for (std::size_t i = 0; i < Righe.size(); ++i) {
            Testo += i == 0 ? Righe[i] : u"\r\n" + Righe[i];
        }
        return Elemento == CHILDID_SELF ? NuovaBstr(Testo, pszValue) : DISP_E_MEMBERNOTFOUND;
    });
}

HRESULT AccessibileReport::get_accRole(VARIANT varID, VARIANT* pvarRole) {
    return DelClient(
        &varID, pvarRole, [&](LONG) { return Intero(ROLE_SYSTEM_STATICTEXT, pvarRole); },
        &IAccessible::get_accRole, varID, pvarRole);
}

HRESULT AccessibileReport::get_accState(VARIANT varID, VARIANT* pvarState) {
    // The client's state is the system's, but for a minimised window, which is
    // still visible, though not on the screen. Of the lines, the current one
    // has the focus when the client has it, and one outside the client area
    // is off-screen.
    return Rispondi(pvarState, &varID, [&](LONG Elemento) {
        VARIANT Client{};
        Intero(CHILDID_SELF, &Client);
        const HRESULT Risultato = standard_->get_accState(Client, pvarState);
        if (SUCCEEDED(Risultato) && pvarState->vt == VT_I4) {
            const LONG Stato =
                pvarState->lVal | (IsIconic(report_.Finestra) ? STATE_SYSTEM_OFFSCREEN : 0);
            const bool Focalizzata =
                Elemento == FiglioAttivo(*report_.Form) && (Stato & STATE_SYSTEM_FOCUSED) != 0;
            const bool FuoriVista =
                Elemento != CHILDID_SELF &&
                RigaFuoriVista(report_.Finestra, *report_.Carattere, *report_.Form,
                               static_cast<std::size_t>(Elemento - 1));
            pvarState->lVal = Elemento == CHILDID_SELF
                                  ? Stato
                                  : STATE_SYSTEM_READONLY | (Stato & StatiDelClient) |
                                        (FuoriVista ? STATE_SYSTEM_OFFSCREEN : 0) |
                                        (Focalizzata ? STATE_SYSTEM_FOCUSED : 0);
        }
        return Risultato;
    });
}

HRESULT AccessibileReport::accLocation(LONG* pxLeft, LONG* pyTop, LONG* pcxWidth, LONG* pcyHeight,
                                       VARIANT varID) {
    const bool Tutte = pxLeft != nullptr && pyTop != nullptr && pcxWidth != nullptr;
    const auto DellaRiga = [&](LONG Numero) {
        const RECT Rettangolo = Posto(Numero);
        POINT Origine{Rettangolo.left, Rettangolo.top};
        // ClientToScreen sets no error code of its own.
        if (!ClientToScreen(report_.Finestra, &Origine)) {
            return E_FAIL;
        }
        *pxLeft = Origine.x;
        *pyTop = Origine.y;
        *pcxWidth = Rettangolo.right - Rettangolo.left;
        *pcyHeight = Rettangolo.bottom - Rettangolo.top;
        return S_OK;
    };
    return DelClient(&varID, Tutte ? pcyHeight : nullptr, DellaRiga, &IAccessible::accLocation,
                     pxLeft, pyTop, pcxWidth, pcyHeight, varID);
}

HRESULT AccessibileReport::accHitTest(LONG xLeft, LONG yTop, VARIANT* pvarID) {
    return Rispondi(pvarID, nullptr, [&](LONG) {
        POINT Punto{xLeft, yTop};
        RECT Client{};
        const bool NelClient = ScreenToClient(report_.Finestra, &Punto) &&
                               GetClientRect(report_.Finestra, &Client) && PtInRect(&Client, Punto);
        const auto Riga = static_cast<LONG>(Punto.y / report_.Carattere->AltezzaRiga() + 1);
        if (NelClient && Riga <= NumeroRighe()) {
            const RECT Rettangolo = Posto(Riga);
            if (PtInRect(&Rettangolo, Punto)) {
                return Intero(Riga, pvarID);
            }
        }
        return standard_->accHitTest(xLeft, yTop, pvarID);
    });
}

HRESULT AccessibileReport::accNavigate(LONG navDir, VARIANT varStart, VARIANT* pvarEnd) {
    return Rispondi(pvarEnd, &varStart, [&](LONG Da) {
        const LONG Ultima = NumeroRighe();
        if (navDir <= NAVDIR_MIN || navDir >= NAVDIR_MAX) {
            return E_INVALIDARG;
        }
        if (Da == CHILDID_SELF && navDir != NAVDIR_FIRSTCHILD && navDir != NAVDIR_LASTCHILD) {
            return standard_->accNavigate(navDir, varStart, pvarEnd);
        }
        // Lines are stacked: the next one is also the one below.
        const LONG Arrivo = Da == CHILDID_SELF ? (navDir == NAVDIR_FIRSTCHILD ? 1 : Ultima)
                            : navDir == NAVDIR_NEXT || navDir == NAVDIR_DOWN   ? Da + 1
                            : navDir == NAVDIR_PREVIOUS || navDir == NAVDIR_UP ? Da - 1
                                                                               : 0;
        return Arrivo >= 1 && Arrivo <= Ultima ? Intero(Arrivo, pvarEnd) : Nessuno(pvarEnd);
    });
}

// ---- The client itself: the system's standard object answers ------------------------

HRESULT AccessibileReport::get_accParent(IDispatch** ppdispParent) {
    return DelClient(nullptr, ppdispParent, Assente, &IAccessible::get_accParent, ppdispParent);
}

HRESULT AccessibileReport::get_accFocus(VARIANT* pvarID) {
    // Where the system finds the client focused, the focus is its current line.
    return Rispondi(pvarID, nullptr, [&](LONG) {
        const HRESULT Risultato = standard_->get_accFocus(pvarID);
        if (Risultato == S_OK && pvarID->vt == VT_I4 && pvarID->lVal == CHILDID_SELF &&
            NumeroRighe() > 0) {
            pvarID->lVal = FiglioAttivo(*report_.Form);
        }
        return Risultato;
    });
}

HRESULT AccessibileReport::get_accSelection(VARIANT* pvarChildren) {
    return DelClient(nullptr, pvarChildren, Assente, &IAccessible::get_accSelection, pvarChildren);
}

HRESULT AccessibileReport::get_accDescription(VARIANT varID, BSTR* pszDescription) {
    return DelClient(&varID, pszDescription, Assente, &IAccessible::get_accDescription, varID,
                     pszDescription);
}

HRESULT AccessibileReport::get_accHelp(VARIANT varID, BSTR* pszHelp) {
    return DelClient(&varID, pszHelp, Assente, &IAccessible::get_accHelp, varID, pszHelp);
}

HRESULT AccessibileReport::get_accKeyboardShortcut(VARIANT varID, BSTR* pszKeyboardShortcut) {
    return DelClient(&varID, pszKeyboardShortcut, Assente, &IAccessible::get_accKeyboardShortcut,
                     varID, pszKeyboardShortcut);
}

HRESULT AccessibileReport::get_accDefaultAction(VARIANT varID, BSTR* pszDefaultAction) {
    return DelClient(&varID, pszDefaultAction, Assente, &IAccessible::get_accDefaultAction, varID,
                     pszDefaultAction);
}

HRESULT AccessibileReport::get_accHelpTopic(BSTR* pszHelpFile, VARIANT varID, LONG* pidTopic) {
    return DelClient(&varID, pszHelpFile != nullptr ? pidTopic : nullptr, Assente,
                     &IAccessible::get_accHelpTopic, pszHelpFile, varID, pidTopic);
}

HRESULT AccessibileReport::accSelect(LONG flagsSelect, VARIANT varID) {
    return DelClient(&varID, this, Assente, &IAccessible::accSelect, flagsSelect, varID);
}

HRESULT AccessibileReport::accDoDefaultAction(VARIANT varID) {
    return DelClient(&varID, this, Assente, &IAccessible::accDoDefaultAction, varID);
}

HRESULT AccessibileReport::put_accName(VARIANT varID, BSTR szName) {
    return DelClient(&varID, this, Assente, &IAccessible::put_accName, varID, szName);
}

HRESULT AccessibileReport::put_accValue(VARIANT varID, BSTR szValue) {
    return DelClient(&varID, this, Assente, &IAccessible::put_accValue, varID, szValue);
}

// ---- Where the lines are ------------------------------------------------------------

LONG AccessibileReport::NumeroRighe() const {
    return static_cast<LONG>(report_.Form->Righe().size());
}

const std::u16string& AccessibileReport::Riga(LONG Numero) const {
    return report_.Form->Righe()[static_cast<std::size_t>(Numero - 1)];
}

RECT AccessibileReport::Posto(LONG Numero) const {
    return RettangoloRiga(*report_.Carattere, static_cast<std::size_t>(Numero - 1),
                          Riga(Numero).size());
}

void AnnunciaNuovoReport(const ReportDellaFinestra& Report) {
    NotifyWinEvent(EVENT_OBJECT_REORDER, Report.Finestra, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, Report.Finestra, OBJID_CLIENT, CHILDID_SELF);
    AnnunciaRigaAttiva(Report);
}

void AnnunciaRigaAttiva(const ReportDellaFinestra& Report) {
    if (GetFocus() == Report.Finestra && !Report.Form->Righe().empty()) {
        NotifyWinEvent(EVENT_OBJECT_FOCUS, Report.Finestra, OBJID_CLIENT,
                       FiglioAttivo(*Report.Form));
    }
}

void AnnunciaNuoviPosti(HWND Finestra) {
    NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, Finestra, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace Varnelo
