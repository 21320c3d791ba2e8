// The functions of oleacc that the window needs. oleacc is not one of
// Windows' Known DLLs, so it is never imported (a file of its name beside the
// program would be loaded instead): it is loaded from the system directory
// when a screen reader first asks for the window's object.
#pragma once

#include <windows.h>

#include <oleacc.h>

namespace Varnelo {

struct Oleacc {
    decltype(&::LresultFromObject) LresultFromObject;
    decltype(&::CreateStdAccessibleObject) CreateStdAccessibleObject;
};

// Looked up on the first call and kept; null members where the system lacks them.
const Oleacc& FunzioniOleacc();

}  // namespace Varnelo
