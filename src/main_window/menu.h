// What the window is made of: caption, designed client size and menu tree.
// Both window shells build themselves from these.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace Varnelo {

inline constexpr std::u16string_view Didascalia = u"Varnelo di implentazione routine API";

// Client area at 96 DPI: 5760 by 2820 twips, 15 twips a pixel.
inline constexpr int LarghezzaClient = 384;
inline constexpr int AltezzaClient = 188;

struct VoceMenu {
    std::u16string_view Didascalia;
    std::int16_t Index;
};

inline constexpr std::u16string_view DidascaliaMenuVarnelo = u"&Varnelo";

// The four examples, in display order; Index is what mnu_Click selects on.
inline constexpr std::array<VoceMenu, 4> VociEsempi{{
    {u"&1. esempio", 10},
    {u"&2. esempio", 20},
    {u"&3. esempio", 30},
    {u"&4. esempio", 40},
}};

inline constexpr std::u16string_view DidascaliaEsci = u"E&sci";

}  // namespace Varnelo
