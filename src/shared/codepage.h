// Conversion between the program's 16-bit text and the system's single-byte
// text. The code page is the platform's: UTF-8 on Linux, the ANSI code page
// on Windows. Neither direction fails: what cannot be converted becomes a
// replacement character.
#pragma once

#include <string>
#include <string_view>

namespace Modulo1 {

std::string VersoSingoloByte(std::u16string_view Testo);
std::u16string DaSingoloByte(std::string_view Testo);

}  // namespace Modulo1
