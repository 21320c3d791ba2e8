// GetSystemInfo on the live machine, checked against a second way of asking,
// and with the kernel's files missing or odd.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <bit>
#include <fstream>
#include <map>
#include <string>

#include "architettura.h"
#include "lista_cpu.h"
#include "radice_finta.h"
#include "shared/basso32.h"
#include "shared/routine_native.h"

using Modulo1::InfoSistema;

namespace {

InfoSistema Chiedi() {
    InfoSistema Dati;
    Modulo1::Nativo::GetSystemInfo(Dati);
    return Dati;
}

TEST(GetSystemInfo, PageAndMinimumAddressAgreeWithSecondSources) {
    const InfoSistema Dati = Chiedi();
    EXPECT_EQ(Dati.dwPageSize, ::getpagesize());
    EXPECT_EQ(Dati.dwAllocationGranularity, ::getpagesize());
    std::ifstream File("/proc/sys/vm/mmap_min_addr");
    std::uint64_t Atteso = 0;
    if (!(File >> Atteso)) {
        GTEST_SKIP() << "/proc/sys/vm/mmap_min_addr cannot be read here";
    }
    EXPECT_EQ(Dati.lpMinimumApplicationAddress, Modulo1::Basso32(Atteso));
}

TEST(GetSystemInfo, ProcessorsAreTheOnlineOnes) {
    const InfoSistema Dati = Chiedi();
    EXPECT_EQ(Dati.dwNumberOfProcessors, sysconf(_SC_NPROCESSORS_ONLN));
    const auto Maschera = static_cast<std::uint32_t>(Dati.dwActiveProcessorMask);
    EXPECT_LE(std::popcount(Maschera), Dati.dwNumberOfProcessors);
    const int Corrente = ::sched_getcpu();
    if (Corrente < 0 || Corrente >= 32) {
        GTEST_SKIP() << "this thread's CPU is unknown or above bit 31";
    }
    EXPECT_NE(Maschera & (1u << Corrente), 0u) << "running on CPU " << Corrente;
}

TEST(GetSystemInfo, MaximumAddressIsAboveWhatTheProcessMaps) {
    const auto Arch = Modulo1::Linux::ArchitetturaCorrente();
    if (Arch.IndirizzoMassimo == 0) {
        GTEST_SKIP() << "no highest address known for this architecture";
    }
    EXPECT_EQ(Chiedi().lpMaximumApplicationAddress, Modulo1::Basso32(Arch.IndirizzoMassimo));
    int Locale = 0;  // on the stack, the topmost mapping
    EXPECT_LE(reinterpret_cast<std::uintptr_t>(&Locale), Arch.IndirizzoMassimo);
    void* Mappa = ::mmap(nullptr, 4096, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(Mappa, MAP_FAILED);
    EXPECT_LE(reinterpret_cast<std::uintptr_t>(Mappa) + 4095, Arch.IndirizzoMassimo);
    ::munmap(Mappa, 4096);
}

TEST(GetSystemInfo, ArchitectureAgreesWithTheKernel) {
    // Only architectures whose programs run natively; a 32-bit build on a
    // 64-bit kernel would see the kernel's name.
    const std::map<std::string, std::pair<std::int32_t, std::int32_t>> Attesi = {
        {"x86_64", {9, 8664}}, {"aarch64", {12, 0}}};
    utsname Nome{};
    ASSERT_EQ(::uname(&Nome), 0);
    const auto Atteso = Attesi.find(Nome.machine);
    if (Atteso == Attesi.end() || sizeof(void*) != 8) {
        GTEST_SKIP() << "no cross-check for machine " << Nome.machine;
    }
    const InfoSistema Dati = Chiedi();
    EXPECT_EQ(Dati.dwOemId, Atteso->second.first);
    EXPECT_EQ(Dati.dwProcessorType, Atteso->second.second);
}

TEST(GetSystemInfo, StandInKernelFilesAreReadOrFallenBackFrom) {
    // No affinity at all reads as no CPU, which the first check refuses.
    const auto Affinita = Modulo1::Linux::CpuDaAffinita().value_or(Modulo1::Linux::InsiemeCpu{});
    // The process runs on one CPU at least, and never on more than are online.
    ASSERT_GE(Affinita.Numero, 1u);
    EXPECT_LE(Affinita.Numero, sysconf(_SC_NPROCESSORS_ONLN));

    RadiceFinta Radice;
    for (const bool Presenti : {false, true}) {
        SCOPED_TRACE(Presenti ? "garbage in the files" : "no files");
        if (Presenti) {
            Radice.Scrivi("/proc/sys/vm/mmap_min_addr", "\x01\xFFgarbage");
            Radice.Scrivi("/sys/devices/system/cpu/online", "zero-three");
        }
        const InfoSistema Dati = Chiedi();
        EXPECT_EQ(Dati.lpMinimumApplicationAddress, ::getpagesize());
        EXPECT_EQ(Dati.dwNumberOfProcessors, static_cast<std::int32_t>(Affinita.Numero));
        EXPECT_EQ(Dati.dwActiveProcessorMask, static_cast<std::int32_t>(Affinita.Maschera));
    }

    Radice.Scrivi("/proc/sys/vm/mmap_min_addr", "4295032832\n");  // 2^32 + 65536
    Radice.Scrivi("/sys/devices/system/cpu/online", "0-3,32-4095,8\n");
    const InfoSistema Dati = Chiedi();
    EXPECT_EQ(Dati.lpMinimumApplicationAddress, 65536);
    EXPECT_EQ(Dati.dwNumberOfProcessors, 4 + 4064 + 1);
    EXPECT_EQ(Dati.dwActiveProcessorMask, 0x10F);
}

}  // namespace
