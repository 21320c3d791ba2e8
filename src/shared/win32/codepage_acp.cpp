// On Windows the single-byte code page is the ANSI one (CP_ACP). Without
// MB_ERR_INVALID_CHARS or WC_NO_BEST_FIT_CHARS the conversions never fail:
// what the code page cannot hold becomes its default character.
#include <windows.h>

#include <climits>
#include <stdexcept>

#include "shared/codepage.h"

namespace Modulo1 {

namespace {

int LunghezzaPerWin32(std::size_t Lunghezza) {
    if (Lunghezza > static_cast<std::size_t>(INT_MAX)) {
        throw std::length_error("testo troppo lungo per la conversione di codepage");
    }
    return static_cast<int>(Lunghezza);
}

}  // namespace

std::string VersoSingoloByte(std::u16string_view Testo) {
    if (Testo.empty()) {
        return {};
    }
    const auto* Largo = reinterpret_cast<const wchar_t*>(Testo.data());
    const int LunghezzaLargo = LunghezzaPerWin32(Testo.size());
    const int Byte =
        WideCharToMultiByte(CP_ACP, 0, Largo, LunghezzaLargo, nullptr, 0, nullptr, nullptr);
    std::string Uscita(static_cast<std::size_t>(Byte), '\0');
    WideCharToMultiByte(CP_ACP, 0, Largo, LunghezzaLargo, Uscita.data(), Byte, nullptr, nullptr);
    return Uscita;
}

std::u16string DaSingoloByte(std::string_view Testo) {
    if (Testo.empty()) {
        return {};
    }
    const int LunghezzaByte = LunghezzaPerWin32(Testo.size());
    const int Caratteri = MultiByteToWideChar(CP_ACP, 0, Testo.data(), LunghezzaByte, nullptr, 0);
    std::u16string Uscita(static_cast<std::size_t>(Caratteri), u'\0');
    MultiByteToWideChar(CP_ACP, 0, Testo.data(), LunghezzaByte,
                        reinterpret_cast<wchar_t*>(Uscita.data()), Caratteri);
    return Uscita;
}

}  // namespace Modulo1
