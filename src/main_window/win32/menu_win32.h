// The menu bar, built from the same menu table as every shell.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace Varnelo {

// "E&sci" has no Index; its command ID only has to differ from theirs.
inline constexpr WORD IdEsci = 100;

// The bar: popup "&Varnelo" whose items carry their Index as command ID, then
// "E&sci". Null if the system cannot make it.
HMENU CreaBarraMenu();

// The Index of the example whose command ID is Id, if it is one.
std::optional<std::int16_t> IndexDelComando(WORD Id);

}  // namespace Varnelo
