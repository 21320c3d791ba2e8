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
#include <string>

#include "main_window/form1.h"
#include "righe_attese.h"
#include "shared/modulo1.h"

namespace {

std::u16string Numero(std::int64_t Valore) {
    return FormaNumero(static_cast<std::int32_t>(static_cast<std::uint32_t>(Valore)));
}

// What the report reads for the architecture alone, known in advance.
struct Attesi {
    std::u16string Oem;               // PROCESSOR_ARCHITECTURE_* as printed
    std::u16string IndirizzoMassimo;  // the highest user address's low 32 bits, as printed
    std::int32_t TipoProcessore;      // not in the report's table: no line of its own
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
    // 4-level paging on x86-64 (0x7FFFFFFFEFFF), 48-bit addresses on arm64
    // (0xFFFFFFFFFFFF); neither has a processor name line, so seven lines.
    const std::map<std::string, Attesi> PerMacchina = {
        {"x86_64", {u" 9 ", u"-4097 ", 8664}},
        {"aarch64", {u" 12 ", u"-1 ", 0}},
    };
    utsname Nome{};
    ASSERT_EQ(::uname(&Nome), 0);
    const auto Riga = PerMacchina.find(Nome.machine);
    if (Riga == PerMacchina.end() || sizeof(void*) != 8) {
        GTEST_SKIP() << "no expected values for machine " << Nome.machine;
    }
    std::ifstream MinimoFile("/proc/sys/vm/mmap_min_addr");
    std::int64_t Minimo = 0;
    if (!(MinimoFile >> Minimo)) {
        GTEST_SKIP() << "/proc/sys/vm/mmap_min_addr cannot be read here";
    }
    const long Pagina = ::sysconf(_SC_PAGESIZE);

    Form1 f;
    f.mnu_Click(30);
    const Righe Atteso = {
        AColonna50(u"Tipo  processore usato", Riga->second.Oem),
        AColonna50(u"Grandezza pagina usata", Numero(Pagina)),
        AColonna50(u"Indirizzo più basso per un'applicazione", Numero(Minimo)),
        AColonna50(u"Indirizzo più alto per un'applicazione", Riga->second.IndirizzoMassimo),
        AColonna50(u"numero di processori configurati nel sistema ", Numero(MascheraDaCartelle())),
        AColonna50(u"numero di processori nel sistema ", Numero(::sysconf(_SC_NPROCESSORS_ONLN))),
        AColonna50(u"granularità ", Numero(Pagina)),
    };
    EXPECT_EQ(f.Righe(), Atteso) << "machine " << Nome.machine;
    EXPECT_EQ(Modulo1::DatiSistema.dwProcessorType, Riga->second.TipoProcessore);
}

}  // namespace
