// Each example from its menu click to its printed lines, on the real routines.
#include <benchmark/benchmark.h>

#include "main_window/form1.h"

namespace {

void BM_Report(benchmark::State& Stato) {
    const auto Index = static_cast<std::int16_t>(Stato.range(0));
    Form1 f;
    for (auto _ : Stato) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop
        f.mnu_Click(Index);
        benchmark::DoNotOptimize(f.Righe().data());
    }
    Stato.SetLabel(std::to_string(f.Righe().size()) + " lines");
}
BENCHMARK(BM_Report)->ArgName("Index")->Arg(10)->Arg(20)->Arg(30)->Arg(40);

}  // namespace
