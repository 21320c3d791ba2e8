// The functions of COM and Active Accessibility that the window's accessible
// object needs. None is imported: they are loaded from the system directory
// when a screen reader first asks for the object, so a start without one
// loads none of their DLLs and starts no COM. (oleacc, not one of Windows'
// Known DLLs, would otherwise be looked for beside the program too.)
#pragma once

#include <windows.h>

#include <oleacc.h>

namespace Varnelo {

struct ComDiSistema {
    decltype(&::CoInitializeEx) CoInitializeEx;
    decltype(&::CoUninitialize) CoUninitialize;
    decltype(&::CoDisconnectObject) CoDisconnectObject;
    decltype(&::SysAllocStringLen) SysAllocStringLen;
    decltype(&::LresultFromObject) LresultFromObject;
    decltype(&::CreateStdAccessibleObject) CreateStdAccessibleObject;

    // Every one found: without them all no object can be made.
    [[nodiscard]] bool Completo() const {
        return CoInitializeEx != nullptr && CoUninitialize != nullptr &&
               CoDisconnectObject != nullptr && SysAllocStringLen != nullptr &&
               LresultFromObject != nullptr && CreateStdAccessibleObject != nullptr;
    }
};

// Looked up on the first call and kept; null members where the system lacks them.
const ComDiSistema& FunzioniCom();

}  // namespace Varnelo
