// The 32-bit fields take the low 32 bits of a wider value, read as a signed
// two's-complement number.
#pragma once

#include <cstdint>

namespace Modulo1::Linux {

// The low 32 bits of Valore as a signed number (2^31 and above come out negative).
constexpr std::int32_t Basso32(std::uint64_t Valore) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(Valore & 0xFFFF'FFFFu));
}

}  // namespace Modulo1::Linux
