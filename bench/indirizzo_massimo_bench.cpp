// The highest address measured as a 32-bit build measures it, one page probe
// per halving, over a span of pages that straddles this kernel's limit.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <optional>

#include "architettura.h"
#include "indirizzo_massimo.h"

namespace {

void BM_MisuraIndirizzoMassimo(benchmark::State& Stato) {
    const auto Pagina = static_cast<std::uint64_t>(::getpagesize());
    const std::uint64_t Massimo = Modulo1::Linux::ArchitetturaCorrente().IndirizzoMassimo;
    const std::uint64_t Meta = static_cast<std::uint64_t>(Stato.range(0)) / 2 * Pagina;
    std::optional<std::uint64_t> Misura;
    for (auto _ : Stato) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop
        Misura =
            Modulo1::Linux::MisuraIndirizzoMassimo(Massimo + 1 - Meta, Massimo + 1 + Meta, Pagina);
        benchmark::DoNotOptimize(Misura);
    }
    if (Misura != Massimo) {
        Stato.SkipWithError("the measure is not this architecture's default layout");
    }
}
// 2^11 pages: from the stack of a 32-bit process on a 64-bit kernel to 4 GiB;
// 2^20: the whole 32-bit space, the most a 32-bit build can probe.
BENCHMARK(BM_MisuraIndirizzoMassimo)
    ->ArgName("pages")
    ->Arg(1 << 11)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
