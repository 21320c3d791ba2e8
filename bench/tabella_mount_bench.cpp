// The volume routine's mount-table lookup on tables far larger than a
// desktop's: parsing the file with libmount and finding the last mount on "/".
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

#include "tabella_mount.h"

namespace {

// A mountinfo file of Righe mounts, the root first as the kernel lists it, so
// the backward search walks the whole table; removed when it goes.
class TabellaGenerata {
public:
    explicit TabellaGenerata(std::int64_t Righe) {
        char Modello[] = "/tmp/varnelo-mountinfo-XXXXXX";
        const int fd = ::mkstemp(Modello);
        if (fd < 0) {
            throw std::runtime_error("mkstemp failed");
        }
        ::close(fd);
        percorso_ = Modello;
        std::ofstream File(percorso_);
        File << "1 0 254:0 / / rw,relatime shared:1 - ext4 /dev/vda1 rw\n";
        for (std::int64_t i = 2; i <= Righe; ++i) {
            File << i << " 1 0:" << i << " / /mnt/volume" << i << " rw,nosuid,nodev shared:" << i
                 << " - tmpfs tmpfs rw,size=1024k,mode=755\n";
        }
    }
    TabellaGenerata(const TabellaGenerata&) = delete;
    TabellaGenerata& operator=(const TabellaGenerata&) = delete;
    ~TabellaGenerata() { ::unlink(percorso_.c_str()); }

    const std::string& Percorso() const { return percorso_; }

private:
    std::string percorso_;
};

void BM_TipoFileSystemMontato(benchmark::State& Stato) {
    const TabellaGenerata Tabella(Stato.range(0));
    for (auto _ : Stato) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop
        auto Tipo = Modulo1::Linux::TipoFileSystemMontato(Tabella.Percorso(), "/");
        if (Tipo != "ext4") {
            Stato.SkipWithError("the root mount was not found");
            break;
        }
        benchmark::DoNotOptimize(Tipo);
    }
    Stato.SetItemsProcessed(Stato.iterations() * Stato.range(0));
}
BENCHMARK(BM_TipoFileSystemMontato)
    ->ArgName("mounts")
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
