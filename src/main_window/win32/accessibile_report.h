// What a screen reader reads of the client area, through Active
// Accessibility: one object, the client, whose simple elements (child ids
// 1..n) are the printed lines, exactly as printed.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <cstddef>
#include <optional>

namespace Varnelo {

class FinestraPrincipale;

class AccessibileReport final : public IAccessible {
public:
    // Starts with one reference, the creator's.
    explicit AccessibileReport(const FinestraPrincipale& Finestra) : finestra_(&Finestra) {}
    AccessibileReport(const AccessibileReport&) = delete;
    AccessibileReport& operator=(const AccessibileReport&) = delete;

    // The window is going: every later call fails with RPC_E_DISCONNECTED, and
    // the proxies of other processes are cut off. Clients may still hold it.
    void Scollega();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // No type information: readers call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames,
                                            LCID lcid, DISPID* rgDispId) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                     DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                     EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** ppdispParent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* pcountChildren) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT varChildID, IDispatch** ppdispChild) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT varID, BSTR* pszName) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT varID, BSTR* pszValue) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT varID, BSTR* pszDescription) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT varID, VARIANT* pvarRole) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT varID, VARIANT* pvarState) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT varID, BSTR* pszHelp) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* pszHelpFile, VARIANT varID,
                                               LONG* pidTopic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT varID,
                                                      BSTR* pszKeyboardShortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* pvarID) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* pvarChildren) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT varID, BSTR* pszDefaultAction) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flagsSelect, VARIANT varID) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* pxLeft, LONG* pyTop, LONG* pcxWidth,
                                          LONG* pcyHeight, VARIANT varID) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG navDir, VARIANT varStart, VARIANT* pvarEnd) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG xLeft, LONG yTop, VARIANT* pvarID) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT varID) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT varID, BSTR szName) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT varID, BSTR szValue) override;

private:
    ~AccessibileReport() = default;

    bool Collegato() const { return finestra_ != nullptr; }
    LONG NumeroRighe() const;
    // A text or an action that no element has: checked like the others, then refused.
    HRESULT TestoAssente(const VARIANT& Id, BSTR* Testo) const;
    HRESULT AzioneAssente(const VARIANT& Id) const;
    // The child id that Id names: CHILDID_SELF or a line, 1..n; none if neither.
    std::optional<LONG> IdValido(const VARIANT& Id) const;
    // Where line Riga (1..n) is painted, in client coordinates.
    RECT RettangoloRiga(LONG Riga) const;
    // Rettangolo on the screen, as left, top, width and height.
    HRESULT SulloSchermo(RECT Rettangolo, LONG* Sinistra, LONG* Alto, LONG* Larghezza,
                         LONG* Altezza) const;

    LONG riferimenti_ = 1;
    const FinestraPrincipale* finestra_;
};

// Tells readers that the report has been replaced: its lines and its value.
void AnnunciaNuovoReport(HWND Finestra);

}  // namespace Varnelo
