#include "accessibile_report.h"

#include <string>
#include <string_view>
#include <vector>

#include "finestra_principale.h"
#include "iid_accessible.h"
#include "main_window/menu.h"
#include "testo_largo.h"

namespace Varnelo {

namespace {

HRESULT NuovaBstr(std::u16string_view Testo, BSTR* Bstr) {
    const std::wstring Largo = TestoLargo(Testo);
    *Bstr = SysAllocStringLen(Largo.data(), static_cast<UINT>(Largo.size()));
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

std::u16string Unite(const std::vector<std::u16string>& Righe) {
    std::u16string Testo;
    for (std::size_t i = 0; i < Righe.size(); ++i) {
        Testo += i == 0 ? Righe[i] : u"\r\n" + Righe[i];
    }
    return Testo;
}

// The calling thread's last error; E_FAIL where the call set none.
HRESULT UltimoErrore() {
    const DWORD Errore = GetLastError();
    return Errore != 0 ? HRESULT_FROM_WIN32(Errore) : E_FAIL;
}

}  // namespace

void AccessibileReport::Scollega() {
    finestra_ = nullptr;
    // Releases what COM holds for other processes; they get
    // RPC_E_DISCONNECTED from then on. Nothing to undo if nothing was marshalled.
    CoDisconnectObject(this, 0);
}

// ---- IUnknown ------------------------------------------------------------------

HRESULT AccessibileReport::QueryInterface(REFIID riid, void** ppvObject) {
    if (ppvObject == nullptr) {
        return E_POINTER;
    }
    // __uuidof: the IIDs of IUnknown and IDispatch need no library either.
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == IID_IAccessible) {
        *ppvObject = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *ppvObject = nullptr;
    return E_NOINTERFACE;
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

// ---- IDispatch -----------------------------------------------------------------

HRESULT AccessibileReport::GetTypeInfoCount(UINT* pctinfo) {
    if (pctinfo == nullptr) {
        return E_POINTER;
    }
    *pctinfo = 0;
    return S_OK;
}

HRESULT AccessibileReport::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) {
    if (ppTInfo == nullptr) {
        return E_POINTER;
    }
    *ppTInfo = nullptr;
    return E_NOTIMPL;
}

HRESULT AccessibileReport::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT AccessibileReport::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                  UINT*) {
    return E_NOTIMPL;
}

// ---- IAccessible: the tree --------------------------------------------------------

HRESULT AccessibileReport::get_accParent(IDispatch** ppdispParent) {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (ppdispParent == nullptr) {
        return E_POINTER;
    }
    // The window's own object, as the system makes it.
    return AccessibleObjectFromWindow(finestra_->Handle(), static_cast<DWORD>(OBJID_WINDOW),
                                      __uuidof(IDispatch), reinterpret_cast<void**>(ppdispParent));
}

HRESULT AccessibileReport::get_accChildCount(LONG* pcountChildren) {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (pcountChildren == nullptr) {
        return E_POINTER;
    }
    *pcountChildren = NumeroRighe();
    return S_OK;
}

HRESULT AccessibileReport::get_accChild(VARIANT varChildID, IDispatch** ppdispChild) {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (ppdispChild == nullptr) {
        return E_POINTER;
    }
    *ppdispChild = nullptr;
    // Lines are simple elements, not objects of their own.
    return IdValido(varChildID) ? S_FALSE : E_INVALIDARG;
}

HRESULT AccessibileReport::accNavigate(LONG navDir, VARIANT varStart, VARIANT* pvarEnd) {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (pvarEnd == nullptr) {
        return E_POINTER;
    }
    pvarEnd->vt = VT_EMPTY;
    const auto Inizio = IdValido(varStart);
    if (!Inizio) {
        return E_INVALIDARG;
    }
    const LONG Ultima = NumeroRighe();
    const bool DalClient = *Inizio == CHILDID_SELF;
    switch (navDir) {
    case NAVDIR_FIRSTCHILD:
        return DalClient && Ultima > 0 ? Intero(1, pvarEnd) : Nessuno(pvarEnd);
    case NAVDIR_LASTCHILD:
        return DalClient && Ultima > 0 ? Intero(Ultima, pvarEnd) : Nessuno(pvarEnd);
    // Lines are stacked: the next one is also the one below.
    case NAVDIR_NEXT:
    case NAVDIR_DOWN:
        return !DalClient && *Inizio < Ultima ? Intero(*Inizio + 1, pvarEnd) : Nessuno(pvarEnd);
    case NAVDIR_PREVIOUS:
    case NAVDIR_UP:
        return !DalClient && *Inizio > 1 ? Intero(*Inizio - 1, pvarEnd) : Nessuno(pvarEnd);
    case NAVDIR_LEFT:
    case NAVDIR_RIGHT:
        return Nessuno(pvarEnd);
    default:
        return E_INVALIDARG;
    }
}

HRESULT AccessibileReport::accHitTest(LONG xLeft, LONG yTop, VARIANT* pvarID) {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (pvarID == nullptr) {
        return E_POINTER;
    }
    pvarID->vt = VT_EMPTY;
    POINT Punto{xLeft, yTop};
    RECT Client{};
    // ScreenToClient sets no error code of its own.
    if (!ScreenToClient(finestra_->Handle(), &Punto)) {
        return E_FAIL;
    }
    if (!GetClientRect(finestra_->Handle(), &Client)) {
        return UltimoErrore();
    }
    if (!PtInRect(&Client, Punto)) {
        return Nessuno(pvarID);
    }
    const int AltezzaRiga = finestra_->Carattere().AltezzaRiga();
    if (AltezzaRiga > 0) {
        const LONG Riga = Punto.y / AltezzaRiga + 1;
        if (Riga <= NumeroRighe()) {
            const RECT Rettangolo = RettangoloRiga(Riga);
            if (PtInRect(&Rettangolo, Punto)) {
                return Intero(Riga, pvarID);
            }
        }
    }
    return Intero(CHILDID_SELF, pvarID);
}

HRESULT AccessibileReport::accLocation(LONG* pxLeft, LONG* pyTop, LONG* pcxWidth, LONG* pcyHeight,
                                       VARIANT varID) {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (pxLeft == nullptr || pyTop == nullptr || pcxWidth == nullptr || pcyHeight == nullptr) {
        return E_POINTER;
    }
    const auto Id = IdValido(varID);
    if (!Id) {
        return E_INVALIDARG;
    }
    RECT Rettangolo{};
    if (*Id != CHILDID_SELF) {
        Rettangolo = RettangoloRiga(*Id);
    } else if (!GetClientRect(finestra_->Handle(), &Rettangolo)) {
        return UltimoErrore();
    }
    return SulloSchermo(Rettangolo, pxLeft, pyTop, pcxWidth, pcyHeight);
}

// ---- IAccessible: what each element says ---------------------------------------

HRESULT AccessibileReport::get_accName(VARIANT varID, BSTR* pszName) {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (pszName == nullptr) {
        return E_POINTER;
    }
    *pszName = nullptr;
    const auto Id = IdValido(varID);
    if (!Id) {
        return E_INVALIDARG;
    }
    const auto& Righe = finestra_->Form().Righe();
    return NuovaBstr(*Id == CHILDID_SELF ? Didascalia : Righe[static_cast<std::size_t>(*Id - 1)],
                     pszName);
}

HRESULT AccessibileReport::get_accValue(VARIANT varID, BSTR* pszValue) {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (pszValue == nullptr) {
        return E_POINTER;
    }
    *pszValue = nullptr;
    const auto Id = IdValido(varID);
    if (!Id) {
        return E_INVALIDARG;
    }
    // The whole report is the client's value; a line has its name only.
    return *Id == CHILDID_SELF ? NuovaBstr(Unite(finestra_->Form().Righe()), pszValue)
                               : DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibileReport::get_accRole(VARIANT varID, VARIANT* pvarRole) {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (pvarRole == nullptr) {
        return E_POINTER;
    }
    pvarRole->vt = VT_EMPTY;
    const auto Id = IdValido(varID);
    if (!Id) {
        return E_INVALIDARG;
    }
    return Intero(*Id == CHILDID_SELF ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_STATICTEXT, pvarRole);
}

HRESULT AccessibileReport::get_accState(VARIANT varID, VARIANT* pvarState) {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (pvarState == nullptr) {
        return E_POINTER;
    }
    pvarState->vt = VT_EMPTY;
    const auto Id = IdValido(varID);
    if (!Id) {
        return E_INVALIDARG;
    }
    if (*Id != CHILDID_SELF) {
        return Intero(STATE_SYSTEM_READONLY, pvarState);
    }
    // The window takes the keyboard itself; it has no controls.
    const bool Attiva = GetFocus() == finestra_->Handle();
    return Intero(STATE_SYSTEM_FOCUSABLE | (Attiva ? STATE_SYSTEM_FOCUSED : 0), pvarState);
}

HRESULT AccessibileReport::get_accFocus(VARIANT* pvarID) {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (pvarID == nullptr) {
        return E_POINTER;
    }
    pvarID->vt = VT_EMPTY;
    return GetFocus() == finestra_->Handle() ? Intero(CHILDID_SELF, pvarID) : Nessuno(pvarID);
}

HRESULT AccessibileReport::get_accSelection(VARIANT* pvarChildren) {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (pvarChildren == nullptr) {
        return E_POINTER;
    }
    // Printed lines cannot be selected.
    return Nessuno(pvarChildren);
}

// ---- IAccessible: what the report does not have ----------------------------------

HRESULT AccessibileReport::get_accDescription(VARIANT varID, BSTR* pszDescription) {
    return TestoAssente(varID, pszDescription);
}

HRESULT AccessibileReport::get_accHelp(VARIANT varID, BSTR* pszHelp) {
    return TestoAssente(varID, pszHelp);
}

HRESULT AccessibileReport::get_accKeyboardShortcut(VARIANT varID, BSTR* pszKeyboardShortcut) {
    return TestoAssente(varID, pszKeyboardShortcut);
}

HRESULT AccessibileReport::get_accDefaultAction(VARIANT varID, BSTR* pszDefaultAction) {
    return TestoAssente(varID, pszDefaultAction);
}

HRESULT AccessibileReport::get_accHelpTopic(BSTR* pszHelpFile, VARIANT varID, LONG* pidTopic) {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (pidTopic == nullptr) {
        return E_POINTER;
    }
    *pidTopic = 0;
    return TestoAssente(varID, pszHelpFile);
}

HRESULT AccessibileReport::accSelect(LONG, VARIANT varID) { return AzioneAssente(varID); }

HRESULT AccessibileReport::accDoDefaultAction(VARIANT varID) { return AzioneAssente(varID); }

// The report is read, never written.
HRESULT AccessibileReport::put_accName(VARIANT varID, BSTR) { return AzioneAssente(varID); }

HRESULT AccessibileReport::put_accValue(VARIANT varID, BSTR) { return AzioneAssente(varID); }

HRESULT AccessibileReport::TestoAssente(const VARIANT& Id, BSTR* Testo) const {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    if (Testo == nullptr) {
        return E_POINTER;
    }
    *Testo = nullptr;
    return IdValido(Id) ? DISP_E_MEMBERNOTFOUND : E_INVALIDARG;
}

HRESULT AccessibileReport::AzioneAssente(const VARIANT& Id) const {
    if (!Collegato()) {
        return RPC_E_DISCONNECTED;
    }
    return IdValido(Id) ? DISP_E_MEMBERNOTFOUND : E_INVALIDARG;
}

// ---- Lines and their places ---------------------------------------------------------

LONG AccessibileReport::NumeroRighe() const {
    return static_cast<LONG>(finestra_->Form().Righe().size());
}

std::optional<LONG> AccessibileReport::IdValido(const VARIANT& Id) const {
    if (Id.vt != VT_I4 || Id.lVal < CHILDID_SELF || Id.lVal > NumeroRighe()) {
        return std::nullopt;
    }
    return Id.lVal;
}

RECT AccessibileReport::RettangoloRiga(LONG Riga) const {
    // As DisegnaRighe paints it: one column per character, one line high.
    const CarattereConsole& Carattere = finestra_->Carattere();
    const auto& Testo = finestra_->Form().Righe()[static_cast<std::size_t>(Riga - 1)];
    const LONG Alto = (Riga - 1) * Carattere.AltezzaRiga();
    return {0, Alto, static_cast<LONG>(Testo.size()) * Carattere.LarghezzaColonna(),
            Alto + Carattere.AltezzaRiga()};
}

HRESULT AccessibileReport::SulloSchermo(RECT Rettangolo, LONG* Sinistra, LONG* Alto,
                                        LONG* Larghezza, LONG* Altezza) const {
    POINT Origine{0, 0};
    // ClientToScreen sets no error code of its own.
    if (!ClientToScreen(finestra_->Handle(), &Origine)) {
        return E_FAIL;
    }
    *Sinistra = Origine.x + Rettangolo.left;
    *Alto = Origine.y + Rettangolo.top;
    *Larghezza = Rettangolo.right - Rettangolo.left;
    *Altezza = Rettangolo.bottom - Rettangolo.top;
    return S_OK;
}

void AnnunciaNuovoReport(HWND Finestra) {
    NotifyWinEvent(EVENT_OBJECT_REORDER, Finestra, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, Finestra, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace Varnelo
