// GetSystemInfo where the report of the live machine cannot tell: the highest
// address against the process's own mappings and what mmap says at its edge,
// a kernel that will not say, and the kernel's files missing or odd.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "architettura.h"
#include "indirizzo_massimo.h"
#include "radice_finta.h"
#include "shared/routine_native.h"
#include "sistema.h"

using Modulo1::InfoSistema;

namespace {

std::size_t Pagina() { return static_cast<std::size_t>(::getpagesize()); }

InfoSistema Chiedi() {
    InfoSistema Dati;
    Modulo1::Nativo::GetSystemInfo(Dati);
    return Dati;
}

TEST(GetSystemInfo, MaximumAddressIsAboveWhatTheProcessMaps) {
    const std::uint64_t Massimo = Modulo1::Linux::IndirizzoMassimo(Pagina());
    if (Massimo == 0) {
        GTEST_SKIP() << "no highest address known for this architecture";
    }
    int Locale = 0;  // on the stack, the topmost mapping
    EXPECT_LE(reinterpret_cast<std::uintptr_t>(&Locale), Massimo);
    void* Mappa = ::mmap(nullptr, 4096, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(Mappa, MAP_FAILED);
    EXPECT_LE(reinterpret_cast<std::uintptr_t>(Mappa) + 4095, Massimo);
    ::munmap(Mappa, 4096);
}

// errno of mapping the page at Indirizzo without replacing anything; 0 when
// it was mapped there (and is released), -1 when the kernel or qemu took the
// address as a hint and mapped elsewhere.
int ErroreMappando(std::uint64_t Indirizzo) {
    void* Chiesta = Modulo1::Linux::PuntatoreA(Indirizzo);
    void* Mappa = ::mmap(Chiesta, Pagina(), PROT_NONE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
    if (Mappa == MAP_FAILED) {
        return errno;
    }
    ::munmap(Mappa, Pagina());
    return Mappa == Chiesta ? 0 : -1;
}

TEST(GetSystemInfo, MaximumAddressEndsTheLastPageTheKernelGives) {
    if constexpr (sizeof(void*) > 4) {
        GTEST_SKIP() << "a 64-bit build reports its architecture's default layout";
    }
    const std::uint64_t Massimo = static_cast<std::uint32_t>(Chiedi().lpMaximumApplicationAddress);
    const int Ultima = ErroreMappando(Massimo + 1 - Pagina());
    EXPECT_TRUE(Ultima == 0 || Ultima == EEXIST) << "errno " << Ultima;
    if (Massimo != 0xFFFF'FFFFu) {
        const int Sopra = ErroreMappando(Massimo + 1);
        EXPECT_TRUE(Sopra == ENOMEM || Sopra == -1) << "errno " << Sopra;
    }
}

TEST(GetSystemInfo, MaximumAddressWhereTheKernelWillNotSayOrTakesAHint) {
    using namespace Modulo1::Linux;
    const RadiceFinta Radice;
    SistemaFinto::Attuali().ErroreMappa = EINVAL;
    EXPECT_EQ(MisuraIndirizzoMassimo(0x10000, 0x20000, 0x1000), std::nullopt);
    EXPECT_EQ(IndirizzoMassimo(Pagina()), ArchitetturaCorrente().IndirizzoMassimo);
    if constexpr (sizeof(void*) == 4) {  // a 64-bit build measures nothing
        SistemaFinto::Attuali().ErroreMappa = 0;
        const std::uint64_t Esatto = IndirizzoMassimo(Pagina());
        SistemaFinto::Attuali().Suggerito = true;
        EXPECT_EQ(IndirizzoMassimo(Pagina()), Esatto);
        void* Altrove = SistemaFinto::Attuali().UltimaAltrove;
        ASSERT_NE(Altrove, nullptr) << "no probe went elsewhere";
        EXPECT_EQ(ErroreMappando(reinterpret_cast<std::uintptr_t>(Altrove)), 0) << "it was kept";
    }
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
