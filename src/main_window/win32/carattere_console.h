// The window's fixed-width font and the size of its character cell, which is
// one column wide and one line high.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <type_traits>

namespace Varnelo {

// Makes the fixed-width font of em height Altezza; null if it cannot.
using CreaFont = HFONT (*)(int Altezza);

// The system's font of that kind.
HFONT CreaFontDelSistema(int Altezza);

class CarattereConsole {
public:
    // The largest fixed-width font with which the widest report line of
    // reports 2 to 4 and eight lines fit the designed client area at Dpi.
    // Where a font cannot be made or measured, the system's stock fixed font:
    // the cell is never empty.
    static CarattereConsole PerDpi(UINT Dpi, CreaFont Crea = CreaFontDelSistema);

    HFONT Font() const { return font_.get(); }
    int LarghezzaColonna() const { return larghezzaColonna_; }
    int AltezzaRiga() const { return altezzaRiga_; }

private:
    struct EliminaFont {
        void operator()(HFONT Font) const { DeleteObject(Font); }
    };

    std::unique_ptr<std::remove_pointer_t<HFONT>, EliminaFont> font_;
    int larghezzaColonna_ = 0;
    int altezzaRiga_ = 0;
};

}  // namespace Varnelo
