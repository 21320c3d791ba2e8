// GetVolumeInformationA: drive "c:\" as the file system on "/", checked
// against the kernel's other answers, its buffer contracts and its failures.
#include <gtest/gtest.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fstream>
#include <sstream>

#include "radice_finta.h"
#include "righe_mount.h"
#include "shared/routine_native.h"

namespace {

constexpr char Riempimento = '~';
constexpr std::int32_t Intatto = 0x5A5A5A5A;

// Every output of one call, starting from values no answer contains.
struct Uscite {
    explicit Uscite(std::size_t Dimensione = 256)
        : Volume(Dimensione + 8, Riempimento), FileSystem(Dimensione + 8, Riempimento) {}

    std::int32_t Chiedi(const char* Radice, std::int32_t DimVolume = 256,
                        std::int32_t DimFileSystem = 256) {
        return Modulo1::Nativo::GetVolumeInformationA(Radice, Volume.data(), DimVolume, Seriale,
                                                      Massima, Flag, FileSystem.data(),
                                                      DimFileSystem);
    }

    std::string NomeFileSystem() const { return FileSystem.substr(0, FileSystem.find('\0')); }
    bool Intatte() const {
        return Volume.find_first_not_of(Riempimento) == std::string::npos &&
               FileSystem.find_first_not_of(Riempimento) == std::string::npos &&
               Seriale == Intatto && Massima == Intatto && Flag == Intatto;
    }

    std::string Volume;
    std::string FileSystem;
    std::int32_t Seriale = Intatto;
    std::int32_t Massima = Intatto;
    std::int32_t Flag = Intatto;
};

// The type and options of the last mount on "/" in /proc/mounts, a second
// source beside the mountinfo the routine reads.
std::optional<std::pair<std::string, std::string>> RadiceInProcMounts() {
    std::ifstream File("/proc/mounts");
    std::optional<std::pair<std::string, std::string>> Trovato;
    for (std::string Riga; std::getline(File, Riga);) {
        std::istringstream Campi(Riga);
        std::string Sorgente, Destinazione, Tipo, Opzioni;
        if (Campi >> Sorgente >> Destinazione >> Tipo >> Opzioni && Destinazione == "/") {
            Trovato = {{Tipo, Opzioni}};
        }
    }
    return Trovato;
}

// Where "/" is not a mount point (some containers), "c:\" names no volume.
constexpr const char* SenzaRadice = "/proc/mounts is not readable or names no root mount";

TEST(GetVolumeInformationA, LiveAnswersAgreeWithTheKernel) {
    const auto Mount = RadiceInProcMounts();
    if (!Mount) {
        GTEST_SKIP() << SenzaRadice;
    }
    struct statvfs Vfs {};
    struct statfs Fs {};
    ASSERT_EQ(::statvfs("/", &Vfs), 0);
    ASSERT_EQ(::statfs("/", &Fs), 0);

    Uscite u;
    ASSERT_EQ(u.Chiedi("c:\\"), 1);
    EXPECT_EQ(u.NomeFileSystem(), Mount->first);
    EXPECT_EQ(u.Massima, static_cast<std::int32_t>(Vfs.f_namemax));
    int Basso = 0;  // the kernel's fsid, its first word
    std::memcpy(&Basso, &Fs.f_fsid, sizeof Basso);
    EXPECT_EQ(u.Seriale, Basso);
    const bool SolaLettura = ("," + Mount->second + ",").find(",ro,") != std::string::npos;
    EXPECT_EQ((static_cast<std::uint32_t>(u.Flag) & 0x80000) != 0,
              SolaLettura);  // read-only volume
    EXPECT_LT(std::strlen(u.Volume.c_str()), 256u) << "the label ends with a NUL in the buffer";
}

TEST(GetVolumeInformationA, AnyOtherRootFailsAndLeavesEveryOutput) {
    for (const char* Radice : {"d:\\", "c:", "c:/", "C:\\\\", "c:\\Windows", "\\", "", "/"}) {
        SCOPED_TRACE(Radice);
        Uscite u;
        EXPECT_EQ(u.Chiedi(Radice), 0);
        EXPECT_TRUE(u.Intatte());
    }
    Uscite u;
    EXPECT_EQ(u.Chiedi(nullptr), 0);
    EXPECT_TRUE(u.Intatte());
    const RadiceFinta Finta;
    Finta.Scrivi("/proc/self/mountinfo", RigaMountinfo(1, "/", "ext4"));
    EXPECT_EQ(u.Chiedi("C:\\"), 1) << "the drive letter in either case";
}

TEST(GetVolumeInformationA, NamesAreCutToTheBufferWithTheirNul) {
    RadiceFinta Radice;
    Radice.Scrivi("/proc/self/mountinfo", RigaMountinfo(1, "/", "ext4"));
    SistemaFinto::Attuali().Etichetta = "DATI";
    Uscite u(3);
    ASSERT_EQ(u.Chiedi("c:\\", 3, 4), 1);
    EXPECT_EQ(u.Volume.substr(0, 3), std::string("DA\0", 3));
    EXPECT_EQ(u.Volume.find_first_not_of(Riempimento, 3), std::string::npos) << "guard";
    EXPECT_EQ(u.FileSystem.substr(0, 4), std::string("ext\0", 4));
    EXPECT_EQ(u.FileSystem.find_first_not_of(Riempimento, 4), std::string::npos) << "guard";

    for (const std::int32_t Dimensione : {0, -5, INT32_MIN}) {
        SCOPED_TRACE(Dimensione);
        Uscite v(8);
        ASSERT_EQ(v.Chiedi("c:\\", Dimensione, Dimensione), 1);
        EXPECT_EQ(v.Volume, std::string(16, Riempimento));
        EXPECT_EQ(v.FileSystem, std::string(16, Riempimento));
        EXPECT_NE(v.Massima, Intatto);
    }
}

TEST(GetVolumeInformationA, MountTableStandInsDecideTheTypeAndItsFlags) {
    RadiceFinta Radice;
    Radice.Scrivi("/etc/mtab", RigaMtab("/", "ext3"));
    Uscite DaMtab;
    EXPECT_EQ(DaMtab.Chiedi("c:\\"), 1) << "no mountinfo: /etc/mtab";
    EXPECT_EQ(DaMtab.NomeFileSystem(), "ext3");

    Radice.Scrivi("/proc/self/mountinfo", RigaMountinfo(1, "/", "btrfs"));
    Uscite DaMountinfo;
    EXPECT_EQ(DaMountinfo.Chiedi("c:\\"), 1);
    EXPECT_EQ(DaMountinfo.NomeFileSystem(), "btrfs");
    // Case-sensitive, case-preserving, ACLs, sparse files, hard links, extended
    // attributes, as Windows numbers them; not read-only.
    EXPECT_EQ(static_cast<std::uint32_t>(DaMountinfo.Flag), 0xC0004Bu);
}

TEST(GetVolumeInformationA, WithoutStatvfsOrMountTableFailsAndLeavesEveryOutput) {
    for (const bool StatvfsFallisce : {false, true}) {
        SCOPED_TRACE(StatvfsFallisce ? "statvfs fails" : "no mount table");
        RadiceFinta Radice;
        if (StatvfsFallisce) {
            Radice.Scrivi("/proc/self/mountinfo", RigaMountinfo(1, "/", "ext4"));
            SistemaFinto::Attuali().ErroreStatoFileSystem = EIO;
        } else {
            Radice.Scrivi("/proc/self/mountinfo", "garbage only\n");
        }
        Uscite u;
        EXPECT_EQ(u.Chiedi("c:\\"), 0);
        EXPECT_TRUE(u.Intatte());
    }
}

}  // namespace
