// The lowest address a process may map (/proc/sys/vm/mmap_min_addr).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Modulo1::Linux {

// The number the sysctl file holds (decimal, then an optional newline);
// nullopt for anything else or a number past 64 bits.
std::optional<std::uint64_t> AnalizzaIndirizzoMinimo(std::string_view Testo);

// The sysctl's value; PaginaSeIgnoto when it cannot be read or parsed, since
// the kernel never maps page zero for a process.
std::uint64_t LeggiIndirizzoMinimo(std::uint64_t PaginaSeIgnoto);

}  // namespace Modulo1::Linux
