// The processor as the Windows platform numbers it, and the architecture's
// address space, fixed when the program is compiled.
#pragma once

#include <cstdint>

namespace Modulo1::Linux {

// Windows' PROCESSOR_ARCHITECTURE_* numbers.
inline constexpr std::uint16_t ArchitetturaX86 = 0;
inline constexpr std::uint16_t ArchitetturaMips = 1;
inline constexpr std::uint16_t ArchitetturaAlpha = 2;
inline constexpr std::uint16_t ArchitetturaPpc = 3;
inline constexpr std::uint16_t ArchitetturaArm = 5;
inline constexpr std::uint16_t ArchitetturaIa64 = 6;
inline constexpr std::uint16_t ArchitetturaX86_64 = 9;
inline constexpr std::uint16_t ArchitetturaArm64 = 12;
inline constexpr std::uint16_t ArchitetturaIgnota = 0xFFFF;

struct Architettura {
    std::uint16_t Numero;            // PROCESSOR_ARCHITECTURE_*
    std::uint64_t IndirizzoMassimo;  // highest user-space address by default; 0 when not known
};

// The architecture this program was compiled for.
Architettura ArchitetturaCorrente();

// Windows' processor type for an x86 of the given CPUID family: 386, 486, or
// 586 from the Pentium (family 5) on.
std::int32_t TipoProcessoreX86(unsigned Famiglia);

// Windows' processor type (PROCESSOR_*) of this machine; 0 where Windows has
// no number for the processor.
std::int32_t TipoProcessore();

}  // namespace Modulo1::Linux
