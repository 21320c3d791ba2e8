// The rule both shells choose the report's font by: the largest font whose
// character cell lets every line of reports 2 to 4, and eight lines, be seen
// whole in the designed client area.
#pragma once

#include "form1.h"

namespace Varnelo {

// The widest value those reports print at the value column: "Intel Pentium".
inline constexpr int LarghezzaValoreMassima = 13;
inline constexpr int ColonneVisibili =
    static_cast<int>(Form1::ColonnaValori) - 1 + LarghezzaValoreMassima;
// The longest report, 3 or 4.
inline constexpr int RigheVisibili = 8;

// Font heights in pixels at 96 DPI, tried from the largest down; below the
// smallest the text would no longer be read, so that one is kept when none fits.
inline constexpr int AltezzaCarattereMassima = 16;
inline constexpr int AltezzaCarattereMinima = 6;

// True when a cell of LarghezzaColonna by AltezzaRiga pixels shows the visible
// columns and lines within the Larghezza by Altezza pixels the text may use.
// The width may be a fraction, as a scalable font advances by: rounded, the
// columns would add up to less than the text takes. An empty cell fits
// nothing: it is a font that could not be measured.
constexpr bool CarattereAdatto(double LarghezzaColonna, int AltezzaRiga, int Larghezza,
                               int Altezza) {
    return LarghezzaColonna > 0 && AltezzaRiga > 0 &&
           ColonneVisibili * LarghezzaColonna <= Larghezza &&
           RigheVisibili * AltezzaRiga <= Altezza;
}

}  // namespace Varnelo
