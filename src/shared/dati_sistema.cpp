#include "modulo1.h"

namespace Modulo1 {

InfoSistema DatiSistema;

}  // namespace Modulo1
