// On Linux the single-byte code page is UTF-8.
#include <cstdint>

#include "shared/codepage.h"

namespace Modulo1 {

namespace {

constexpr char32_t Sostituto = U'\uFFFD';

void AggiungiUtf8(std::string& Uscita, char32_t c) {
    if (c < 0x80) {
        Uscita += static_cast<char>(c);
    } else if (c < 0x800) {
        Uscita += static_cast<char>(0xC0 | (c >> 6));
        Uscita += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        Uscita += static_cast<char>(0xE0 | (c >> 12));
        Uscita += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        Uscita += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        Uscita += static_cast<char>(0xF0 | (c >> 18));
        Uscita += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        Uscita += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        Uscita += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AggiungiUtf16(std::u16string& Uscita, char32_t c) {
    if (c < 0x10000) {
        Uscita += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        Uscita += static_cast<char16_t>(0xD800 + (c >> 10));
        Uscita += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

bool Continuazione(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

std::string VersoSingoloByte(std::u16string_view Testo) {
    std::string Uscita;
    Uscita.reserve(Testo.size());
    for (std::size_t i = 0; i < Testo.size(); ++i) {
        const char16_t u = Testo[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < Testo.size() && Testo[i + 1] >= 0xDC00 &&
            Testo[i + 1] <= 0xDFFF) {
            const char32_t Alto = u - 0xD800u;
            const char32_t Basso = Testo[i + 1] - 0xDC00u;
            AggiungiUtf8(Uscita, 0x10000 + (Alto << 10) + Basso);
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            AggiungiUtf8(Uscita, Sostituto);  // a surrogate without its pair
        } else {
            AggiungiUtf8(Uscita, u);
        }
    }
    return Uscita;
}

std::u16string DaSingoloByte(std::string_view Testo) {
    std::u16string Uscita;
    Uscita.reserve(Testo.size());
    std::size_t i = 0;
    while (i < Testo.size()) {
        const auto b = static_cast<unsigned char>(Testo[i]);
        std::size_t Seguiti = 0;
        char32_t c = 0;
        char32_t Minimo = 0;
        if (b < 0x80) {
            c = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
            Seguiti = 1;
            c = b & 0x1F;
            Minimo = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            Seguiti = 2;
            c = b & 0x0F;
            Minimo = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            Seguiti = 3;
            c = b & 0x07;
            Minimo = 0x10000;
        } else {
            AggiungiUtf16(Uscita, Sostituto);
            ++i;
            continue;
        }
        std::size_t Letti = 1;
        while (Letti <= Seguiti && i + Letti < Testo.size() &&
               Continuazione(static_cast<unsigned char>(Testo[i + Letti]))) {
            c = (c << 6) | (static_cast<unsigned char>(Testo[i + Letti]) & 0x3F);
            ++Letti;
        }
        // Truncated, overlong, surrogate or out-of-range sequences: one
        // replacement for what was read, and go on after it.
        if (Letti != Seguiti + 1 || c < Minimo || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            AggiungiUtf16(Uscita, Sostituto);
        } else {
            AggiungiUtf16(Uscita, c);
        }
        i += Letti;
    }
    return Uscita;
}

}  // namespace Modulo1
