// The program's 16-bit text as a Win32 wide string: both are UTF-16, so only
// the character type changes.
#pragma once

#include <string>
#include <string_view>

inline std::wstring TestoLargo(std::u16string_view Testo) {
    return std::wstring(Testo.begin(), Testo.end());
}
