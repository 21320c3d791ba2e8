// The pure parts of the routines: the parsers of the kernel's files, the
// file-system flags table, the processor numbering.
#include <gtest/gtest.h>
#include <sys/statvfs.h>

#include <climits>
#include <optional>
#include <string>

#include "architettura.h"
#include "flag_file_system.h"
#include "indirizzo_minimo.h"
#include "lista_cpu.h"

using namespace Modulo1::Linux;

namespace {

struct CasoListaCpu {
    const char* Nome;
    std::string Testo;
    std::optional<std::uint32_t> Numero;  // nullopt: not a CPU list
    std::uint32_t Maschera;
};

TEST(AnalizzaListaCpu, ReadsTheKernelFormatAndRejectsEverythingElse) {
    const CasoListaCpu Casi[] = {
        {"single", "0\n", 1, 0x1},
        {"range and single", "0-3,8\n", 5, 0x10F},
        {"exactly 32", "0-31", 32, 0xFFFF'FFFF},
        {"64 cpus", "0-63\n", 64, 0xFFFF'FFFF},
        {"2048 cpus", "0-2047\n", 2048, 0xFFFF'FFFF},
        {"only above 31", "32-63", 32, 0},
        {"bit 31", "31", 1, 0x8000'0000},
        {"holes", "1,3,5", 3, 0x2A},
        {"unsorted", "5,0-1", 3, 0x23},
        {"overlapping ranges counted once", "0-3,2-5,4", 6, 0x3F},
        {"largest cpu number", "0-4194303", 4194304, 0xFFFF'FFFF},
        {"empty", "", std::nullopt, 0},
        {"only newline", "\n", std::nullopt, 0},
        {"letters", "abc", std::nullopt, 0},
        {"open range", "0-", std::nullopt, 0},
        {"negative", "-3", std::nullopt, 0},
        {"reversed range", "3-1", std::nullopt, 0},
        {"empty element", "0,,1", std::nullopt, 0},
        {"trailing comma", "0,", std::nullopt, 0},
        {"junk after range", "0-3x", std::nullopt, 0},
        {"blanks inside", "0 - 3", std::nullopt, 0},
        {"stride syntax", "0-7:2/4", std::nullopt, 0},
        {"embedded NUL", std::string("0\0", 2), std::nullopt, 0},
        {"past the cpu limit", "0-4194304", std::nullopt, 0},
        {"past 64 bits", "99999999999999999999999999", std::nullopt, 0},
    };
    for (const CasoListaCpu& c : Casi) {
        SCOPED_TRACE(c.Nome);
        const auto Insieme = AnalizzaListaCpu(c.Testo);
        ASSERT_EQ(Insieme.has_value(), c.Numero.has_value());
        if (Insieme) {
            EXPECT_EQ(Insieme->Numero, c.Numero);
            EXPECT_EQ(Insieme->Maschera, c.Maschera);
        }
    }
}

TEST(AnalizzaIndirizzoMinimo, ReadsOneDecimalNumber) {
    const std::pair<const char*, std::optional<std::uint64_t>> Casi[] = {
        {"65536\n", 65536},
        {"4096", 4096},
        {"0\n", 0},
        {"18446744073709551615\n", UINT64_MAX},
        {"18446744073709551616", std::nullopt},
        {"", std::nullopt},
        {"\n", std::nullopt},
        {"abc", std::nullopt},
        {"-1", std::nullopt},
        {"+5", std::nullopt},
        {"0x1000", std::nullopt},
        {"12 34", std::nullopt},
        {"65536\n\n", std::nullopt},
    };
    for (const auto& [Testo, Atteso] : Casi) {
        SCOPED_TRACE(Testo);
        EXPECT_EQ(AnalizzaIndirizzoMinimo(Testo), Atteso);
    }
}

TEST(FlagFileSystem, NativeForeignUnknownAndReadOnly) {
    // As Windows numbers them: case-sensitive search 0x1, case-preserved names 0x2,
    // persistent ACLs 0x8, sparse files 0x40, read-only volume 0x80000, hard links
    // 0x400000, extended attributes 0x800000.
    constexpr std::uint32_t Nativo = 0xC0004B;
    const std::pair<const char*, std::uint32_t> Casi[] = {
        {"ext4", Nativo},
        {"xfs", Nativo},
        {"btrfs", Nativo},
        {"tmpfs", Nativo},             // the root of many containers and live systems
        {"overlay", Nativo & ~0x40u},  // holes depend on the layer below
        {"vfat", 0x2},                 // found in any case
        {"squashfs", 0xC80003},        // read-only whatever the mount says
        {"ext", 0},                    // a prefix of a known type is not it
        {"fuse.sshfs", 0},
        {"", 0},
    };
    for (const auto& [Tipo, Attesi] : Casi) {
        SCOPED_TRACE(Tipo);
        EXPECT_EQ(FlagFileSystem(Tipo, 0), Attesi);
        // A read-only mount adds that bit alone.
        EXPECT_EQ(FlagFileSystem(Tipo, ST_RDONLY), Attesi | 0x80000);
    }
}

TEST(TipoProcessoreX86, NumbersByCpuidFamily) {
    EXPECT_EQ(TipoProcessoreX86(3), 386);
    EXPECT_EQ(TipoProcessoreX86(4), 486);
    EXPECT_EQ(TipoProcessoreX86(5), 586);
    EXPECT_EQ(TipoProcessoreX86(6), 586);
    EXPECT_EQ(TipoProcessoreX86(15), 586);
}

}  // namespace
