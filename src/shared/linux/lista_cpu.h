// Which processors are online, as the kernel lists them ("0-3,8").
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Modulo1::Linux {

struct InsiemeCpu {
    std::uint32_t Maschera = 0;  // CPUs 0 to 31, one bit each
    std::uint32_t Numero = 0;    // all of them
};

// Kernel CPU numbers stop far below this; anything above is not a CPU list.
inline constexpr std::uint32_t LimiteNumeroCpu = 1u << 22;

// The set a kernel CPU list describes; nullopt when the text is not one (or
// names no CPU, which a running system cannot have).
std::optional<InsiemeCpu> AnalizzaListaCpu(std::string_view Testo);

// The CPUs this process may run on; nullopt when the kernel will not say.
std::optional<InsiemeCpu> CpuDaAffinita();

// The online CPUs; the process affinity when the online list cannot be read,
// no CPU at all when neither can.
InsiemeCpu LeggiCpuOnline();

}  // namespace Modulo1::Linux
