// The third example on the live machine, line by line, against what the
// running system says. Under qemu's user-mode emulation the machine name and
// the page size are the emulated processor's; mmap_min_addr and the CPU
// files are the host kernel's, which the emulator passes through.
#include <gtest/gtest.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "main_window/form1.h"
#include "righe_attese.h"
#include "shared/modulo1.h"

namespace {

std::u16string Numero(std::int64_t Valore) {
    return FormaNumero(static_cast<std::int32_t>(static_cast<std::uint32_t>(Valore)));
}

// What the report reads for the architecture alone, known in advance.
struct Attesi {
    std::u16string Oem;  // PROCESSOR_ARCHITECTURE_* as printed
    // The highest user address's low 32 bits, as printed; nullopt where the
    // kernel's own split decides it, which info_sistema_test checks against mmap.
    std::optional<std::u16string> IndirizzoMassimo;
    std::int32_t TipoProcessore;  // of these, 586 alone has a name line
};

// The online CPUs below 32, each asked of its own directory: cpu0 often has
// no "online" file, since it cannot be taken offline.
std::int64_t MascheraDaCartelle() {
    std::int64_t Maschera = 0;
    for (int c = 0; c < 32; ++c) {
        const std::string Cartella = "/sys/devices/system/cpu/cpu" + std::to_string(c);
        if (!std::filesystem::is_directory(Cartella)) {
            continue;
        }
        std::ifstream Online(Cartella + "/online");
        int Acceso = 1;
        if (!Online || (Online >> Acceso && Acceso == 1)) {
            Maschera |= std::int64_t{1} << c;
        }
    }
    return Maschera;
}

TEST(ReportSistema, LinesAreWhatTheRunningSystemSays) {
    // By the machine the kernel (or qemu) names and the program's width.
    // x86-64 4-level paging (0x7FFFFFFFEFFF); a 32-bit program on an x86-64
    // kernel just under 4 GiB (0xFFFFDFFF); the 64-bit rest as wide or wider
    // than 32 bits of addresses, all ones. A kernel named for 32 bits may be a
    // 64-bit one under linux32, or qemu. Windows has no number for POWER64,
    // RISC-V or s390x (0xFFFF) and names only 32-bit x86 of these processors:
    // every x86 that runs Debian's i386 is of family 6 or later, a Pentium's
    // successor.
    const std::map<std::pair<std::string, std::size_t>, Attesi> PerMacchina = {
        {{"x86_64", 64}, {u" 9 ", u"-4097 ", 8664}}, {{"x86_64", 32}, {u" 0 ", u"-8193 ", 586}},
        {{"i686", 32}, {u" 0 ", std::nullopt, 586}}, {{"aarch64", 64}, {u" 12 ", u"-1 ", 0}},
        {{"armv7l", 32}, {u" 5 ", std::nullopt, 0}}, {{"armv8l", 32}, {u" 5 ", std::nullopt, 0}},
        {{"ppc64le", 64}, {u" 65535 ", u"-1 ", 0}},  {{"riscv64", 64}, {u" 65535 ", u"-1 ", 0}},
        {{"s390x", 64}, {u" 65535 ", u"-1 ", 0}},
    };
    utsname Nome{};
    ASSERT_EQ(::uname(&Nome), 0);
    const std::size_t Bit = sizeof(void*) * 8;
    const auto Riga = PerMacchina.find({Nome.machine, Bit});
    if (Riga == PerMacchina.end()) {
        GTEST_SKIP() << "no expected values for a " << Bit << "-bit program on machine "
                     << Nome.machine;
    }
    std::ifstream MinimoFile("/proc/sys/vm/mmap_min_addr");
    std::int64_t Minimo = 0;
    if (!(MinimoFile >> Minimo)) {
        GTEST_SKIP() << "/proc/sys/vm/mmap_min_addr cannot be read here";
    }
    const long Pagina = ::sysconf(_SC_PAGESIZE);

    Form1 f;
    f.mnu_Click(30);
    Righe Atteso = {
        AColonna50(u"Tipo  processore usato", Riga->second.Oem),
        AColonna50(u"Grandezza pagina usata", Numero(Pagina)),
        AColonna50(u"Indirizzo più basso per un'applicazione", Numero(Minimo)),
        AColonna50(u"Indirizzo più alto per un'applicazione",
                   Riga->second.IndirizzoMassimo.value_or(
                       Numero(Modulo1::DatiSistema.lpMaximumApplicationAddress))),
        AColonna50(u"numero di processori configurati nel sistema ", Numero(MascheraDaCartelle())),
        AColonna50(u"numero di processori nel sistema ", Numero(::sysconf(_SC_NPROCESSORS_ONLN))),
        AColonna50(u"granularità ", Numero(Pagina)),
    };
    if (Riga->second.TipoProcessore == 586) {
        Atteso.insert(Atteso.end() - 1, AColonna50(u"Tipo Processore", u"Intel Pentium"));
    }
    EXPECT_EQ(f.Righe(), Atteso) << "machine " << Nome.machine;
    EXPECT_EQ(Modulo1::DatiSistema.dwProcessorType, Riga->second.TipoProcessore);
}

}  // namespace
