#include "com_di_sistema.h"

#include "shared/win32/dll_di_sistema.h"

namespace Varnelo {

const ComDiSistema& FunzioniCom() {
    using Modulo1::Legame::CercaNelSistema;
    static const ComDiSistema Funzioni{
        CercaNelSistema<decltype(&::CoInitializeEx)>("ole32", "CoInitializeEx"),
        CercaNelSistema<decltype(&::CoUninitialize)>("ole32", "CoUninitialize"),
        CercaNelSistema<decltype(&::CoDisconnectObject)>("ole32", "CoDisconnectObject"),
        CercaNelSistema<decltype(&::SysAllocStringLen)>("oleaut32", "SysAllocStringLen"),
        CercaNelSistema<decltype(&::LresultFromObject)>("oleacc", "LresultFromObject"),
        CercaNelSistema<decltype(&::CreateStdAccessibleObject)>("oleacc",
                                                                "CreateStdAccessibleObject")};
    return Funzioni;
}

}  // namespace Varnelo
