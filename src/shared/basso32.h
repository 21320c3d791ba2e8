// The 32-bit fields take the low 32 bits of a wider value, read as a signed
// two's-complement number. Same rule on every platform.
#pragma once

#include <cstdint>

namespace Modulo1 {

// The low 32 bits of Valore as a signed number (2^31 and above come out negative).
constexpr std::int32_t Basso32(std::uint64_t Valore) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(Valore & 0xFFFF'FFFFu));
}

// An address as the 32-bit fields hold it.
inline std::int32_t Basso32(const void* Indirizzo) {
    return Basso32(reinterpret_cast<std::uintptr_t>(Indirizzo));
}

}  // namespace Modulo1
