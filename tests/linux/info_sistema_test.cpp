// GetSystemInfo where the report of the live machine cannot tell: the highest
// address against the process's own mappings, and the kernel's files missing
// or odd.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mman.h>
#include <unistd.h>

#include <optional>

#include "architettura.h"
#include "radice_finta.h"
#include "shared/routine_native.h"

using Modulo1::InfoSistema;

namespace {

InfoSistema Chiedi() {
    InfoSistema Dati;
    Modulo1::Nativo::GetSystemInfo(Dati);
    return Dati;
}

TEST(GetSystemInfo, MaximumAddressIsAboveWhatTheProcessMaps) {
    const auto Arch = Modulo1::Linux::ArchitetturaCorrente();
    if (Arch.IndirizzoMassimo == 0) {
        GTEST_SKIP() << "no highest address known for this architecture";
    }
    int Locale = 0;  // on the stack, the topmost mapping
    EXPECT_LE(reinterpret_cast<std::uintptr_t>(&Locale), Arch.IndirizzoMassimo);
    void* Mappa = ::mmap(nullptr, 4096, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(Mappa, MAP_FAILED);
    EXPECT_LE(reinterpret_cast<std::uintptr_t>(Mappa) + 4095, Arch.IndirizzoMassimo);
    ::munmap(Mappa, 4096);
}

// This thread's affinity while it lives, put back afterwards.
class AffinitaTemporanea {
public:
    AffinitaTemporanea() { valida_ = ::sched_getaffinity(0, sizeof(prima_), &prima_) == 0; }
    AffinitaTemporanea(const AffinitaTemporanea&) = delete;
    AffinitaTemporanea& operator=(const AffinitaTemporanea&) = delete;
    ~AffinitaTemporanea() {
        if (valida_) {
            (void)::sched_setaffinity(0, sizeof(prima_), &prima_);
        }
    }

    // Pins the thread to the highest CPU it may run on now; that CPU, or
    // nullopt when the kernel will not say or refuses.
    std::optional<std::size_t> FissaSullUltima() {
        if (!valida_) {
            return std::nullopt;
        }
        for (std::size_t c = CPU_SETSIZE; c-- > 0;) {
            if (CPU_ISSET(c, &prima_)) {
                cpu_set_t Una;
                CPU_ZERO(&Una);
                CPU_SET(c, &Una);
                return ::sched_setaffinity(0, sizeof(Una), &Una) == 0 ? std::optional(c)
                                                                      : std::nullopt;
            }
        }
        return std::nullopt;
    }

private:
    cpu_set_t prima_{};
    bool valida_ = false;
};

TEST(GetSystemInfo, StandInKernelFilesAreReadOrFallenBackFrom) {
    RadiceFinta Radice;
    // One CPU allowed, where the machine may have more online: only the affinity says 1.
    AffinitaTemporanea Affinita;
    const auto Cpu = Affinita.FissaSullUltima();
    if (!Cpu) {
        GTEST_SKIP() << "this thread's affinity cannot be read or set";
    }
    const auto Maschera = static_cast<std::int32_t>(*Cpu < 32 ? 1U << *Cpu : 0U);
    for (const bool Presenti : {false, true}) {
        SCOPED_TRACE(Presenti ? "garbage in the files" : "no files");
        if (Presenti) {
            Radice.Scrivi("/proc/sys/vm/mmap_min_addr", "\x01\xFFgarbage");
            Radice.Scrivi("/sys/devices/system/cpu/online", "zero-three");
        }
        const InfoSistema Dati = Chiedi();
        EXPECT_EQ(Dati.lpMinimumApplicationAddress, ::getpagesize());
        EXPECT_EQ(Dati.dwNumberOfProcessors, 1);
        EXPECT_EQ(Dati.dwActiveProcessorMask, Maschera);
    }

    Radice.Scrivi("/proc/sys/vm/mmap_min_addr", "4295032832\n");  // 2^32 + 65536
    Radice.Scrivi("/sys/devices/system/cpu/online", "0-3,32-4095,8\n");
    const InfoSistema Dati = Chiedi();
    EXPECT_EQ(Dati.lpMinimumApplicationAddress, 65536);
    EXPECT_EQ(Dati.dwNumberOfProcessors, 4 + 4064 + 1);
    EXPECT_EQ(Dati.dwActiveProcessorMask, 0x10F);
}

}  // namespace
