// What the examples print when the system's files are missing or odd: the
// reports still print every line, with what a failed or partial query leaves.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>

#include "main_window/form1.h"
#include "radice_finta.h"
#include "righe_attese.h"
#include "righe_mount.h"

namespace {

Righe Esegui(std::int16_t Index) {
    Form1 f;
    f.mnu_Click(Index);
    return f.Righe();
}

std::u16string Numero(long Valore) { return FormaNumero(static_cast<std::int32_t>(Valore)); }

TEST(GuastiReport, UnreadableMountTablePrintsAFailedVolumeCall) {
    const RadiceFinta Radice;  // holds neither /proc/self/mountinfo nor /etc/mtab
    EXPECT_EQ(Esegui(40), RigheVolumeFallito());
}

TEST(GuastiReport, FileSystemNamesThatAreOddStillPrintOnTheirLine) {
    const RadiceFinta Radice;
    Radice.Scrivi("/proc/self/mountinfo", RigaMountinfo(1, "/", std::string(300, 'x')));
    Righe r = Esegui(40);
    ASSERT_EQ(r.size(), 8u);
    EXPECT_EQ(r[6], AColonna50(u"Nome File System", std::u16string(254, u'x')));  // cut to fit
    EXPECT_EQ(r[7], AColonna50(u"Risultato (1=OK / 0=fail)", u" 1 "));

    // 254 bytes and the NUL fill the 255 the report gives: nothing is cut.
    Radice.Scrivi("/proc/self/mountinfo", RigaMountinfo(1, "/", std::string(254, 'y')));
    r = Esegui(40);
    EXPECT_EQ(r[6], AColonna50(u"Nome File System", std::u16string(254, u'y')));

    // The cut falls inside a two-byte character: its first byte alone is no UTF-8.
    Radice.Scrivi("/proc/self/mountinfo",
                  RigaMountinfo(1, "/", std::string(253, 'z') + "\xC3\xA0"));
    r = Esegui(40);
    EXPECT_EQ(r[6], AColonna50(u"Nome File System", std::u16string(253, u'z') + u"\uFFFD"));

    Radice.Scrivi("/proc/self/mountinfo", RigaMountinfo(1, "/", "fs\xFF\xFE"));
    r = Esegui(40);
    EXPECT_EQ(r[6], AColonna50(u"Nome File System", u"fs\uFFFD\uFFFD"));
    EXPECT_EQ(r[4], AColonna50(u"Tipo File System", u" 0 "));  // a type the flags table lacks
    EXPECT_EQ(r[7], AColonna50(u"Risultato (1=OK / 0=fail)", u" 1 "));
}

// True when the file system holding Percorso cannot report a label at all.
bool SenzaEtichette(const std::string& Percorso) {
    const int fd = ::open(Percorso.c_str(), O_RDONLY | O_DIRECTORY);
    std::array<char, FSLABEL_MAX + 1> Etichetta{};
    const bool Senza = fd >= 0 && ::ioctl(fd, FS_IOC_GETFSLABEL, Etichetta.data()) != 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return Senza;
}

TEST(GuastiReport, FileSystemWithoutLabelSupportPrintsAnEmptyName) {
    // tmpfs keeps no label: a stand-in root there answers the label query with ENOTTY.
    const char* Precedente = std::getenv("TMPDIR");
    const std::string Salvato = Precedente != nullptr ? Precedente : "";
    ::setenv("TMPDIR", "/dev/shm", 1);
    const RadiceFinta Radice;
    Precedente != nullptr ? ::setenv("TMPDIR", Salvato.c_str(), 1) : ::unsetenv("TMPDIR");
    if (!SenzaEtichette(Modulo1::Linux::PrefissoRadice)) {
        GTEST_SKIP() << "no file system without label support at /dev/shm";
    }
    Radice.Scrivi("/proc/self/mountinfo", RigaMountinfo(1, "/", "tmpfs"));
    const Righe r = Esegui(40);
    ASSERT_EQ(r.size(), 8u);
    EXPECT_EQ(r[1], AColonna50(u"nome Volume", u""));
    EXPECT_EQ(r[6], AColonna50(u"Nome File System", u"tmpfs"));
    EXPECT_EQ(r[7], AColonna50(u"Risultato (1=OK / 0=fail)", u" 1 "));
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

TEST(GuastiReport, MissingKernelFilesFallBackInTheSystemReport) {
    const RadiceFinta Radice;  // no mmap_min_addr, no CPU list
    // One CPU allowed, where the machine has more online: only the affinity says 1.
    AffinitaTemporanea Affinita;
    const auto Cpu = Affinita.FissaSullUltima();
    if (!Cpu) {
        GTEST_SKIP() << "this thread's affinity cannot be read or set";
    }
    const Righe r = Esegui(30);
    ASSERT_EQ(r.size(), 7u);
    const long Pagina = sysconf(_SC_PAGESIZE);
    EXPECT_EQ(r[2], AColonna50(u"Indirizzo più basso per un'applicazione", Numero(Pagina)));
    const long Maschera = *Cpu < 32 ? 1L << *Cpu : 0;  // bit 31 alone prints negative
    EXPECT_EQ(r[4], AColonna50(u"numero di processori configurati nel sistema ", Numero(Maschera)));
    EXPECT_EQ(r[5], AColonna50(u"numero di processori nel sistema ", u" 1 "));
}

TEST(GuastiReport, ManyProcessorsKeepTheLow32BitsOfTheMask) {
    const RadiceFinta Radice;
    Radice.Scrivi("/sys/devices/system/cpu/online", "0-63\n");
    Righe r = Esegui(30);
    EXPECT_EQ(r[4], AColonna50(u"numero di processori configurati nel sistema ", u"-1 "));
    EXPECT_EQ(r[5], AColonna50(u"numero di processori nel sistema ", u" 64 "));

    Radice.Scrivi("/sys/devices/system/cpu/online", "0-2047\n");
    r = Esegui(30);
    EXPECT_EQ(r[4], AColonna50(u"numero di processori configurati nel sistema ", u"-1 "));
    EXPECT_EQ(r[5], AColonna50(u"numero di processori nel sistema ", u" 2048 "));

    Radice.Scrivi("/sys/devices/system/cpu/online", "32-35\n");  // none of the low 32
    r = Esegui(30);
    EXPECT_EQ(r[4], AColonna50(u"numero di processori configurati nel sistema ", u" 0 "));
    EXPECT_EQ(r[5], AColonna50(u"numero di processori nel sistema ", u" 4 "));
}

}  // namespace
