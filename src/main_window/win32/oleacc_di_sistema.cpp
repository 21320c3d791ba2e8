#include "oleacc_di_sistema.h"

#include "shared/win32/dll_di_sistema.h"

namespace Varnelo {

const Oleacc& FunzioniOleacc() {
    using Modulo1::Legame::CercaNelSistema;
    static const Oleacc Funzioni{
        CercaNelSistema<decltype(&::LresultFromObject)>("oleacc", "LresultFromObject"),
        CercaNelSistema<decltype(&::CreateStdAccessibleObject)>("oleacc",
                                                                "CreateStdAccessibleObject")};
    return Funzioni;
}

}  // namespace Varnelo
