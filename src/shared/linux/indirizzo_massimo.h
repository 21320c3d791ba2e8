// The highest address a process may map, which on Linux the running kernel
// decides: a 64-bit kernel gives a 32-bit process almost 4 GiB, a 32-bit
// kernel its own split.
#pragma once

#include <cstdint>
#include <optional>

namespace Modulo1::Linux {

// The highest address the kernel lets this process map, found by halving
// [Basso, Alto) with one-page probes: the page at Basso is below the limit
// (mapped or mappable), Alto is above it or the end of the address space; both
// are multiples of Pagina. nullopt where the kernel answers otherwise than
// mapped, taken or out of room.
std::optional<std::uint64_t> MisuraIndirizzoMassimo(std::uint64_t Basso, std::uint64_t Alto,
                                                    std::uint64_t Pagina);

// What GetSystemInfo reports: measured from the stack up to 4 GiB in a 32-bit
// build; the architecture's default layout in a 64-bit one, whose low 32 bits
// no kernel changes, and where measuring fails.
std::uint64_t IndirizzoMassimo(std::uint64_t Pagina);

}  // namespace Modulo1::Linux
