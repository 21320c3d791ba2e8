#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "carattere_console.h"

namespace Varnelo {

// Paints Area blank and the lines on it from the top-left, one character per
// column, so that column n starts (n - 1) column widths from the left edge.
void DisegnaRighe(HDC Contesto, const RECT& Area, const std::vector<std::u16string>& Righe,
                  const CarattereConsole& Carattere);

}  // namespace Varnelo
