#pragma once

#include <windows.h>

#include "shared/modulo1.h"

namespace Modulo1 {

// SYSTEM_INFO as the program's eight 32-bit fields: each value wider than 32
// bits keeps its low 32 bits, read as a signed number.
InfoSistema DaSystemInfo(const SYSTEM_INFO& Info);

}  // namespace Modulo1
