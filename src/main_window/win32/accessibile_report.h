// What a screen reader reads of the client area, through Active
// Accessibility: one object, the client, whose simple elements (child ids
// 1..n) are the printed lines, exactly as printed; the current line is the
// focus, as a list box's item is. The system's standard object for the
// client answers for the client itself.
#pragma once

#include <windows.h>

#include <oleacc.h>
#include <wrl/client.h>

#include <string>
#include <utility>

#include "carattere_console.h"
#include "main_window/form1.h"

namespace Varnelo {

// What the object reads: the window, the lines its form printed with the
// current one, and the character cell they are painted in. The window keeps
// all three for as long as it lives.
struct ReportDellaFinestra {
    HWND Finestra;
    const Form1* Form;
    const CarattereConsole* Carattere;
};

class AccessibileReport final : public IAccessible {
public:
    // The reply to a reader's WM_GETOBJECT for the client of Finestra, whose
    // object Oggetto is made on the first request and kept; 0 where the
    // system cannot make one (without oleacc the window goes unread).
    static LRESULT RispostaAlLettore(const ReportDellaFinestra& Report, AccessibileReport*& Oggetto,
                                     WPARAM w);

    AccessibileReport(const AccessibileReport&) = delete;
    AccessibileReport& operator=(const AccessibileReport&) = delete;

    // The window is going: every later call fails with RPC_E_DISCONNECTED, the
    // proxies of other processes are cut off, and the COM started for the
    // object ends. Clients may still hold it.
    void Scollega();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // No type information: readers call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

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
    // Starts with one reference, the creator's; Standard is the system's.
    // ComAvviato: COM was started for it, and ends when the window goes.
    AccessibileReport(const ReportDellaFinestra& Report,
                      Microsoft::WRL::ComPtr<IAccessible> Standard, bool ComAvviato)
        : report_(Report), standard_(std::move(Standard)), comAvviato_(ComAvviato) {}
    ~AccessibileReport() = default;

    // Every call goes through here: refused once the window has gone, for a
    // null output, or for an id that is neither the client nor a line;
    // otherwise the output is emptied and Fai(id) answers. Id null: the call
    // names no element.
    template <typename Uscita, typename Risposta>
    HRESULT Rispondi(Uscita* Fuori, const VARIANT* Id, Risposta Fai) const;
    // Through Rispondi: the system's object answers for the client, with
    // Chiamata(Altri...), and Linea(n) for line n.
    template <typename Uscita, typename PerRiga, typename Metodo, typename... Argomenti>
    HRESULT DelClient(const VARIANT* Id, Uscita* Fuori, PerRiga Linea, Metodo Chiamata,
                      Argomenti... Altri) const;

    LONG NumeroRighe() const;
    const std::u16string& Riga(LONG Numero) const;
    // Where line Numero (1..n) is painted, in client coordinates.
    RECT Posto(LONG Numero) const;

    LONG riferimenti_ = 1;
    // Its Form is null once the window has gone.
    ReportDellaFinestra report_;
    Microsoft::WRL::ComPtr<IAccessible> standard_;
    bool comAvviato_;
};

// Tells readers that the report has been replaced: its lines, its value and
// the line that now has the focus.
void AnnunciaNuovoReport(const ReportDellaFinestra& Report);
// Tells readers which line has the focus, if the window has it and the
// report has lines.
void AnnunciaRigaAttiva(const ReportDellaFinestra& Report);
// Tells readers that the lines have moved (a new DPI, a new font).
void AnnunciaNuoviPosti(HWND Finestra);

}  // namespace Varnelo
